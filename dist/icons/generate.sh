#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the application icon into the hicolor theme layout from the one
# drawing dist/icons/sakana.svg:
#
#   hicolor/scalable/apps/io.github.sakana.Sakana.svg     (a copy of the drawing)
#   hicolor/<N>x<N>/apps/io.github.sakana.Sakana.png      N = 16 24 32 48 64 128 256
#
# Usage: dist/icons/generate.sh [OUTPUT_DIR]     (default: dist/icons/hicolor)
#        dist/icons/generate.sh --check          render into a scratch folder and
#                                                fail unless it equals the committed tree
#
# The PNGs carry no metadata (no time, date or text chunks), so every run
# gives the same bytes and a regenerated tree can be compared with the
# committed one. Needs librsvg2-bin and imagemagick (Debian packages).

set -euo pipefail
export LC_ALL=C.UTF-8

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_svg=$here/sakana.svg
out=${1:-$here/hicolor}

if [ "${1:-}" = --check ]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    "${BASH_SOURCE[0]}" "$scratch/hicolor" >/dev/null
    if ! diff -r "$scratch/hicolor" "$here/hicolor"; then
        echo "generate.sh: FAIL: dist/icons/hicolor differs from what dist/icons/generate.sh makes;" >&2
        echo "    run dist/icons/generate.sh and commit the result" >&2
        exit 1
    fi
    echo "generate.sh: OK, $(find "$scratch/hicolor" -type f | wc -l) icon files identical"
    exit 0
fi
app_id=io.github.sakana.Sakana
sizes=(16 24 32 48 64 128 256)

missing=()
command -v rsvg-convert >/dev/null 2>&1 || missing+=(librsvg2-bin)
command -v convert >/dev/null 2>&1 || missing+=(imagemagick)
if [ ${#missing[@]} -gt 0 ]; then
    echo "generate.sh: missing tools; install them with 'apt-get install -y ${missing[*]}'" >&2
    exit 1
fi

mkdir -p "$out/scalable/apps"
install -m 0644 "$source_svg" "$out/scalable/apps/$app_id.svg"

for size in "${sizes[@]}"; do
    dir=$out/${size}x${size}/apps
    mkdir -p "$dir"
    # rsvg-convert draws the picture; convert drops every ancillary chunk
    # (background colour, time, text) and keeps 8-bit RGBA.
    rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio "$source_svg" |
        convert png:- -strip -define png:exclude-chunks=all -define png:include-chunks=none \
            PNG32:"$dir/$app_id.png"
    chmod 0644 "$dir/$app_id.png"
    # Say what was written, with a checksum for comparing runs.
    sha256sum "$dir/$app_id.png" | sed "s|$out/||"
done
