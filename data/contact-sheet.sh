#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes one PNG showing all forty fish pictures with their captions, on the
# cyan of the panel they are shown on, eight to a row. For looking over the
# whole set at once: fringes, sizes, colours, and whether each caption fits
# its picture.
#
# Usage: data/contact-sheet.sh OUTPUT.png [MEDIA_DIR]
#
# MEDIA_DIR defaults to data/media. A missing picture leaves a labelled gap
# instead of stopping the sheet.

set -euo pipefail
export LC_ALL=C.UTF-8

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

die() {
    echo "contact-sheet.sh: $*" >&2
    exit 1
}

[ $# -ge 1 ] && [ $# -le 2 ] || die "usage: contact-sheet.sh OUTPUT.png [MEDIA_DIR]"
output=$1
media=${2:-$here/media}

PANEL='#00ffff'
TILE_W=330
TILE_H=300

command -v montage >/dev/null 2>&1 || die "'montage' not found; install it with: apt-get install -y imagemagick"
command -v iconv >/dev/null 2>&1 || die "'iconv' not found; install it with: apt-get install -y libc-bin"

font=
for candidate in \
    /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf \
    /usr/share/fonts/truetype/fonts-japanese-gothic.ttf \
    /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc \
    /usr/share/fonts/opentype/ipafont-mincho/ipam.ttf; do
    if [ -f "$candidate" ]; then
        font=$candidate
        break
    fi
done
[ -n "$font" ] || die "no Japanese font found; install one with: apt-get install -y fonts-ipafont-gothic (or fonts-noto-cjk)"

names_file=$media/説明/name.txt
[ -f "$names_file" ] || die "missing $names_file"
mapfile -t names < <(iconv -f CP932 -t UTF-8 "$names_file" | tr -d '\r')
[ ${#names[@]} -eq 40 ] || die "$names_file has ${#names[@]} lines, expected 40"

args=()
missing=0
for i in $(seq 1 40); do
    gif=$media/画像/f$i.gif
    label="$i  ${names[$((i - 1))]}"
    if [ -f "$gif" ]; then
        args+=(-label "$label" "$gif")
    else
        args+=(-label "$label (f$i.gif がありません)" "xc:$PANEL")
        missing=$((missing + 1))
    fi
done

montage -font "$font" -pointsize 22 -fill black -background "$PANEL" \
    -size "${TILE_W}x${TILE_H}" "${args[@]}" \
    -tile 8x5 -geometry "${TILE_W}x${TILE_H}+10+8>" -strip "$output"

echo "contact-sheet.sh: wrote $output ($((40 - missing)) pictures, $missing missing)"
