#!/bin/bash
# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-builds the part of Qt the program needs (Core, Gui, Widgets, the
# Windows platform plugin and the GIF, ICO and JPEG image formats) for 64-bit
# Windows from Debian's own Qt source package, with Debian's Qt of the same
# version as the host tools, and keeps it in
# /var/cache/sakana-qt-windows/<version>-<hash of the options>. Prints that
# folder on the last line. Nothing is done when it is already there.
#
#   scripts/windows-qt.sh            build it when missing
#   scripts/windows-qt.sh --path     only print the folder (built or not)
#
# SAKANA_QT_WINDOWS_CACHE moves the cache; SAKANA_QT_WINDOWS_WORK the
# source and build folder (kept afterwards only with --keep).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/common.sh
source "$ROOT/scripts/common.sh"

CACHE=${SAKANA_QT_WINDOWS_CACHE:-/var/cache/sakana-qt-windows}
WORK=${SAKANA_QT_WINDOWS_WORK:-/var/tmp/sakana-qt-windows-build}
TOOLCHAIN=$ROOT/cmake/mingw-w64-x86_64.cmake

only_path=0 keep=0
for arg in "$@"; do
    case $arg in
        --path) only_path=1 ;;
        --keep) keep=1 ;;
        *) echo "usage: $0 [--path] [--keep]" >&2; exit 2 ;;
    esac
done

# The same Qt as the host tools, which must match it exactly.
[ $only_path -eq 1 ] || ensure_packages "${WINDOWS_PACKAGES[@]}"
SOURCE_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
if [ -z "$SOURCE_VERSION" ]; then
    echo "qt6-base-dev is not installed: install ${WINDOWS_PACKAGES[*]}" >&2
    exit 1
fi
QT_VERSION=${SOURCE_VERSION%%+*}

# Without tablet support: Debian's source leaves out the third-party header
# the Windows plugin's tablet code needs, and the program has no use for it.
# Everything the program does not link is left out to keep the build short.
CONFIGURE_OPTIONS=(-xplatform win32-g++ -qt-host-path /usr -release -shared
    -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -no-feature-vulkan -no-feature-zstd
    -no-feature-sql -no-feature-network -no-feature-printsupport
    -no-feature-concurrent -no-feature-xml -no-feature-testlib
    -no-feature-androiddeployqt -no-feature-windeployqt
    -no-feature-tabletevent
    -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype)
KEY_TEXT="$SOURCE_VERSION ${CONFIGURE_OPTIONS[*]} $(cat "$TOOLCHAIN")"
KEY=$QT_VERSION-$(printf '%s' "$KEY_TEXT" | sha256sum | cut -c1-12)
PREFIX=$CACHE/$KEY

if [ $only_path -eq 1 ] || [ -f "$PREFIX/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    echo "$PREFIX"
    exit 0
fi

echo "Cross-building Qt $SOURCE_VERSION for Windows into $PREFIX"
started=$(date +%s)
rm -rf "$WORK"
mkdir -p "$WORK/apt/lists/partial" "$WORK/apt/cache/archives/partial"

# The source package through a sources list of our own, with deb-src lines
# for the suites the machine's own lists name, so that the machine's apt
# configuration stays as it is.
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
suites=$({ cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null || true; } \
    | grep -E '^(Suites:|deb )' | tr ' ' '\n' | grep -xE "$codename(-[a-z]+)?" | sort -u)
: >"$WORK/apt/sources.list"
for suite in $suites; do
    case $suite in
        *-security) url=http://deb.debian.org/debian-security ;;
        *) url=http://deb.debian.org/debian ;;
    esac
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $url $suite main" >>"$WORK/apt/sources.list"
done
APT_OPTIONS=(-o "Dir::Etc::SourceList=$WORK/apt/sources.list" -o Dir::Etc::SourceParts=-
             -o "Dir::State::Lists=$WORK/apt/lists" -o "Dir::Cache=$WORK/apt/cache"
             -o APT::Sandbox::User=root)
apt-get "${APT_OPTIONS[@]}" update -qq
(cd "$WORK" && apt-get "${APT_OPTIONS[@]}" source --download-only -qq "qt6-base=$SOURCE_VERSION")
dpkg-source -x "$WORK"/qt6-base_*.dsc "$WORK/src" >/dev/null

mkdir -p "$WORK/build"
cd "$WORK/build"
nice -n 19 "$WORK/src/configure" -prefix "$PREFIX.partial" "${CONFIGURE_OPTIONS[@]}" -- \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" >configure.log 2>&1 \
    || { tail -40 configure.log >&2; exit 1; }
nice -n 19 cmake --build . --parallel 2 >build.log 2>&1 || { grep -m5 -B2 -A8 'error' build.log >&2; exit 1; }
rm -rf "$PREFIX.partial"
cmake --install . >install.log 2>&1
# The finished build appears in one step: a broken run leaves no cache.
rm -rf "$PREFIX"
mv "$PREFIX.partial" "$PREFIX"
cd /
[ $keep -eq 1 ] || rm -rf "$WORK"
echo "Qt for Windows built in $(( $(date +%s) - started )) s"
echo "$PREFIX"
