#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a scratch prefix and checks the tree: the program
# in bin/, its media folder in share/sakana/, found from the program even
# after the whole prefix has been moved elsewhere; the sound module in
# <libdir>/sakana/, loaded from the program wherever the prefix lies.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
for path in bin/sakana share/sakana/音/oto.wav share/sakana/画像/f40.gif share/sakana/説明/name.txt \
            share/applications/io.github.sakana.Sakana.desktop share/metainfo/io.github.sakana.Sakana.metainfo.xml \
            share/icons/hicolor/scalable/apps/io.github.sakana.Sakana.svg; do
    [ -e "$scratch/prefix/$path" ] || { echo "installed_tree: FAIL: $path is not installed" >&2; exit 1; }
done
[ ! -e "$scratch/prefix/音" ] || { echo "installed_tree: FAIL: media installed beside the prefix root" >&2; exit 1; }
# The sound module lies in a folder of its own under the library folder, and
# the program links no sound library itself.
modules=$(find "$scratch/prefix" -name 'sakana_sound.*' -type f)
[ "$(wc -l <<<"$modules")" -eq 1 ] && [ -n "$modules" ] && [[ $modules == "$scratch/prefix/lib"*/sakana/sakana_sound.* ]] ||
    { echo "installed_tree: FAIL: the sound module is not installed in <libdir>/sakana: ${modules:-none}" >&2; exit 1; }
if command -v readelf >/dev/null; then
    ! readelf -d "$scratch/prefix/bin/sakana" | grep -i -E 'NEEDED.*(multimedia|pulse)' ||
        { echo "installed_tree: FAIL: the program links a sound library" >&2; exit 1; }
fi

mv "$scratch/prefix" "$scratch/moved"
program=$scratch/moved/bin/sakana
"$program" --version | grep -q '^sakana ' || { echo "installed_tree: FAIL: --version" >&2; exit 1; }
out=$("$program" --check-media 2>/dev/null) || { echo "installed_tree: FAIL: --check-media: $out" >&2; exit 1; }
# The summary, last, names the folder checked.
case $(tail -n 1 <<<"$out") in
    "$scratch/moved/share/sakana:"*) ;;
    *) echo "installed_tree: FAIL: the media folder was not found in share/sakana: $out" >&2; exit 1 ;;
esac

# The installed program starts and keeps running (an error would end it).
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$program" 2>"$scratch/err" || status=$?
[ "$status" -eq 124 ] || { echo "installed_tree: FAIL: the program ended with $status" >&2; cat "$scratch/err" >&2; exit 1; }
! grep -q 'sound module' "$scratch/err" || { echo "installed_tree: FAIL: the sound module was not loaded" >&2; cat "$scratch/err" >&2; exit 1; }

# Without its sound module it says so once and goes on, silent.
rm "$scratch/moved/${modules#"$scratch/prefix/"}"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$program" 2>"$scratch/err" || status=$?
[ "$status" -eq 124 ] && [ "$(grep -c 'cannot load the sound module' "$scratch/err")" -eq 1 ] ||
    { echo "installed_tree: FAIL: without the sound module the program ended with $status" >&2; cat "$scratch/err" >&2; exit 1; }

# With no media folder anywhere the report names where it looked.
rm -rf "$scratch/moved/share/sakana"
status=0
out=$("$program" --check-media 2>/dev/null) || status=$?
[ "$status" -eq 1 ] && grep -q "share/sakana" <<<"$out" || { echo "installed_tree: FAIL: missing folder: $out" >&2; exit 1; }
echo "installed_tree: OK"
