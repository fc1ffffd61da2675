#!/bin/bash
# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Windows zip, build-windows/sakana-windows-<version>.zip: the
# program cross-built with MinGW-w64 against the cross-built Qt (made by
# windows-qt.sh when it is not cached yet), with every DLL it loads, the
# media folder, the IPA faces, the licences and a README.txt. Unpacked
# anywhere it runs as it is.
#
#   scripts/windows.sh                build Qt too when it is not cached
#   scripts/windows.sh --cached-qt    fail at once when it is not
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/common.sh
source "$ROOT/scripts/common.sh"

cached_only=0
[ "${1:-}" = --cached-qt ] && cached_only=1

ensure_packages "${RUN_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
QT=$("$ROOT/scripts/windows-qt.sh" --path)
if [ ! -f "$QT/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    if [ $cached_only -eq 1 ]; then
        echo "no cross-built Qt for Windows in $QT: fill the cache with scripts/windows-qt.sh (about 30 minutes)" >&2
        exit 1
    fi
    QT=$("$ROOT/scripts/windows-qt.sh" | tail -1)
fi

OUT=$ROOT/build-windows
BUILD=$OUT/build
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$QT" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >/dev/null
nice cmake --build "$BUILD" -j "$(nproc)"

VERSION=$(sed -n 's/^project(sakana VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
NAME=sakana-windows-$VERSION
STAGE=$OUT/$NAME
rm -rf "$STAGE" "$OUT/$NAME.zip"
mkdir -p "$STAGE"

# The program, its sound module and the media folder, as the build lays them.
cp -r "$BUILD/bin/." "$STAGE/"
cp "$BUILD"/lib/sakana/sakana_sound.dll "$STAGE/" 2>/dev/null || true
mkdir -p "$STAGE/platforms" "$STAGE/imageformats"
# The offscreen platform serves the runs that only print (--version,
# --check-media), which answer the same with a display or without one.
cp "$QT/plugins/platforms/qwindows.dll" "$QT/plugins/platforms/qoffscreen.dll" "$STAGE/platforms/"
for format in gif ico jpeg; do
    cp "$QT/plugins/imageformats/q$format.dll" "$STAGE/imageformats/"
done

# Every DLL those load, followed down: from the cross-built Qt or the MinGW
# runtime; the ones Windows itself has are left out.
MINGW_DIRS=("$QT/bin" /usr/lib/gcc/x86_64-w64-mingw32/*-posix /usr/x86_64-w64-mingw32/lib)
find_dll() {
    local dir
    for dir in "${MINGW_DIRS[@]}"; do
        [ -f "$dir/$1" ] && { echo "$dir/$1"; return 0; }
    done
    return 1
}
queue=$(find "$STAGE" -name '*.exe' -o -name '*.dll')
declare -A seen=()
while [ -n "$queue" ]; do
    next=""
    for file in $queue; do
        for dll in $(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
            [ -n "${seen[$dll]:-}" ] && continue
            seen[$dll]=1
            if path=$(find_dll "$dll"); then
                cp "$path" "$STAGE/"
                next="$next $STAGE/$dll"
            fi
        done
    done
    queue=$next
done

# The IPA faces for a Windows without the design's own, with their licence.
mkdir -p "$STAGE/fonts"
cp /usr/share/fonts/opentype/ipafont-mincho/ipam.ttf /usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf "$STAGE/fonts/"
cp /usr/share/doc/fonts-ipafont-mincho/copyright "$STAGE/fonts/IPA_Font_License.txt"

mkdir -p "$STAGE/licences"
cp "$ROOT/COPYING" "$ROOT/COPYING.media" "$STAGE/licences/"
cp "$ROOT"/LICENSES/*.txt "$STAGE/licences/"
# Qt's and the MinGW runtime's terms, as Debian gives them.
cp /usr/share/doc/libqt6core6/copyright "$STAGE/licences/Qt-copyright.txt"
cp /usr/share/common-licenses/LGPL-3 "$STAGE/licences/LGPL-3.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$STAGE/licences/MinGW-gcc-copyright.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$STAGE/licences/MinGW-w64-copyright.txt"
cp "$ROOT/dist/windows/README.txt" "$STAGE/README.txt"

(cd "$OUT" && zip -qr -X "$NAME.zip" "$NAME")
echo "DLLs: $(cd "$STAGE" && find . -name '*.dll' | sed 's|^\./||' | sort | tr '\n' ' ')"
echo "$OUT/$NAME.zip: $(du -k "$OUT/$NAME.zip" | cut -f1) KiB"
