# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sound recipes for the media folder. Sourced by data/generate.sh, which sets
#   SOUND_WORK   a scratch directory for intermediate files
# and then calls make_sound NAME OUTPUT for each of the six sounds.
#
# Every sound is built from sine partials only (no noise, so nothing random),
# shaped with short fades so that it starts and ends without a click, mixed in
# 32-bit float and written once at the end as 16-bit mono PCM without dither.
#
# The six sounds are matched by loudness, not by peak: each is normalised to
# its own peak level (sound_peak below), chosen so that all of them measure
# about -16 LUFS maximum momentary loudness (EBU R128, 400 ms window), with
# "dame" a little under "o" so that failing never sounds louder than a right
# answer. A short click needs a higher peak than a long chord to sound as
# loud. The levels were read off ffmpeg's ebur128 meter (each sound followed
# by half a second of silence); tests/media_loudness.sh measures the shipped
# files the same way, so re-read and adjust a level whenever a recipe changes.

SOUND_RATE=44100

# sound_peak NAME: the peak level in dBFS that NAME is normalised to.
sound_peak() {
    case $1 in
        oto) echo -2.5 ;;
        oto1) echo -4.4 ;;
        o) echo -4.3 ;;
        x) echo -8.6 ;;
        gokaku) echo -6.9 ;;
        dame) echo -11.1 ;;
    esac
}

# sox with the options that keep output repeatable: no dither, fixed seeds,
# only errors on the terminal.
sx() {
    sox -D -R -V1 "$@"
}

# partials OUT LENGTH "F1 F2 ..." "W1,W2,..." [EFFECT...]
# A tone made of sine partials F1, F2, ... weighted W1, W2, ... (weights sum
# to at most 1 so the float mix never clips), followed by optional effects.
partials() {
    local out=$1 length=$2 freqs=$3 weights=$4
    shift 4
    local -a gens=()
    local f
    for f in $freqs; do
        gens+=(sine "$f")
    done
    local mix="" i=1 w
    local IFS_save=$IFS
    IFS=,
    for w in $weights; do
        mix+="${mix:+,}${i}v${w}"
        i=$((i + 1))
    done
    IFS=$IFS_save
    sx -r "$SOUND_RATE" -c "${#gens[@]}" -n -c 1 -b 32 -e floating-point "$out" \
        synth "$length" "${gens[@]}" remix "$mix" "$@"
}

# struck OUT FREQ LENGTH [H2 H3]
# A struck, bell-like note: 4 ms attack, then an exponential decay to -50 dB
# over the whole length (sox's logarithmic fade is linear in decibels).
struck() {
    local out=$1 f=$2 length=$3 h2=${4:-0.22} h3=${5:-0.08}
    local h1
    h1=$(awk -v a="$h2" -v b="$h3" 'BEGIN { printf "%.3f", 1 - a - b }')
    partials "$out" "$length" "$f $(awk -v f="$f" 'BEGIN { print 2*f, 3*f }')" "$h1,$h2,$h3" \
        fade l 0 "$length" "$length" fade h 0.004
}

# held OUT FREQ LENGTH ATTACK RELEASE
# A held note with a warm, horn-like colour: rises over ATTACK seconds and
# falls away over the last RELEASE seconds.
held() {
    local out=$1 f=$2 length=$3 attack=$4 release=$5
    partials "$out" "$length" "$(awk -v f="$f" 'BEGIN { print f, 2*f, 3*f, 4*f }')" "0.52,0.26,0.14,0.08" \
        fade h "$attack" "$length" "$release"
}

# place OUT IN OFFSET: IN delayed by OFFSET seconds.
place() {
    sx "$2" -b 32 -e floating-point "$1" pad "$3"
}

# mixdown NAME OUT IN...: sums the inputs and writes the final 16-bit mono
# file at NAME's level.
mixdown() {
    local name=$1 out=$2
    shift 2
    local mixed=$SOUND_WORK/mixdown.wav
    if [ $# -gt 1 ]; then
        sx -m "$@" -b 32 -e floating-point "$mixed"
    else
        cp "$1" "$mixed"
    fi
    finish "$name" "$mixed" "$out"
}

# finish NAME IN OUT: 16-bit signed mono PCM at the common rate and at the
# peak level of NAME.
finish() {
    sx "$2" -r "$SOUND_RATE" -c 1 -b 16 -e signed-integer "$3" norm "$(sound_peak "$1")"
}

# "Pon": a soft, round button sound, the pitch dropping a little as it fades.
# It rings a little: the decay is the start of a one-second logarithmic fade
# (about -20 dB by the end), closed by a short fade so the cut is silent.
sound_oto() {
    local w=$SOUND_WORK
    partials "$w/button.wav" 0.24 "740/440 1480/880" "0.8,0.2" \
        pad 0 0.76 fade l 0 1 1 trim 0 0.24 fade h 0.005 0.24 0.04
    finish oto "$w/button.wav" "$1"
}

# A light bubble: a very short sine that slides upwards.
sound_oto1() {
    local w=$SOUND_WORK
    partials "$w/bubble.wav" 0.11 "420/1250" "1" \
        fade h 0.006 0.11 0.07
    finish oto1 "$w/bubble.wav" "$1"
}

# "Pin-pon": two bright bell notes, high then a major third lower.
sound_o() {
    local w=$SOUND_WORK
    struck "$w/pin.wav" 1318.51 0.5
    struck "$w/pon0.wav" 1046.50 0.68
    place "$w/pon.wav" "$w/pon0.wav" 0.24
    mixdown o "$1" "$w/pin.wav" "$w/pon.wav"
}

# "Bu-buu": a low, soft hum, rounded off with a low-pass filter so that it
# never sounds harsh. A short note, a breath, and a longer one.
sound_x() {
    local w=$SOUND_WORK
    partials "$w/bu1.wav" 0.15 "175 350 525 700" "0.55,0.25,0.13,0.07" \
        lowpass 700 lowpass 900 tremolo 18 25 fade h 0.025 0.15 0.05
    partials "$w/bu2_0.wav" 0.45 "175 350 525 700" "0.55,0.25,0.13,0.07" \
        lowpass 700 lowpass 900 tremolo 18 25 fade h 0.025 0.45 0.16
    place "$w/bu2.wav" "$w/bu2_0.wav" 0.21
    mixdown x "$1" "$w/bu1.wav" "$w/bu2.wav"
}

# A short happy fanfare in C major: a rising run G C E G, a quick E G, and a
# long high C over the full chord.
sound_gokaku() {
    local w=$SOUND_WORK
    local -a parts=()
    local n=0 start freq length
    while read -r start freq length; do
        held "$w/f$n.wav" "$freq" "$length" 0.012 0.05
        place "$w/fp$n.wav" "$w/f$n.wav" "$start"
        parts+=("$w/fp$n.wav")
        n=$((n + 1))
    done <<'NOTES'
0.00 392.00 0.13
0.14 523.25 0.13
0.28 659.26 0.13
0.42 783.99 0.24
0.70 659.26 0.12
0.84 783.99 0.12
NOTES
    # The closing chord: C6 on top of C5 E5 G5, held and then let go softly.
    local f
    for f in 523.25 659.26 783.99 1046.50; do
        held "$w/c$n.wav" "$f" 1.20 0.02 0.70
        place "$w/cp$n.wav" "$w/c$n.wav" 0.98
        parts+=("$w/cp$n.wav")
        n=$((n + 1))
    done
    mixdown gokaku "$1" "${parts[@]}"
}

# "Try again": three gentle notes stepping down, E D C, ending at rest on the
# home note so that it sounds kind rather than sad.
sound_dame() {
    local w=$SOUND_WORK
    held "$w/d0.wav" 659.26 0.30 0.03 0.10
    held "$w/d1_0.wav" 587.33 0.30 0.03 0.10
    held "$w/d2_0.wav" 523.25 0.80 0.03 0.50
    place "$w/d1.wav" "$w/d1_0.wav" 0.30
    place "$w/d2.wav" "$w/d2_0.wav" 0.60
    mixdown dame "$1" "$w/d0.wav" "$w/d1.wav" "$w/d2.wav"
}

# make_sound NAME OUTPUT: NAME is the file name without ".wav".
make_sound() {
    case $1 in
        oto) sound_oto "$2" ;;
        oto1) sound_oto1 "$2" ;;
        o) sound_o "$2" ;;
        x) sound_x "$2" ;;
        gokaku) sound_gokaku "$2" ;;
        dame) sound_dame "$2" ;;
        *) echo "no recipe for sound '$1'" >&2; return 1 ;;
    esac
}

SOUND_NAMES="oto oto1 o x gokaku dame"
