#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Qt's GIF and ICO image plugins with coverage instrumentation,
# AddressSanitizer and UndefinedBehaviorSanitizer, from Debian's source
# package of the Qt that is installed, so that the fuzzers see inside the
# decoders. Only these two plugins are compiled, not the rest of Qt.
#
#   fuzz/build-qt-plugins.sh [OUTPUT_DIR]     (default: build-fuzz/qt-plugins)
#
# The plugins land in OUTPUT_DIR/plugins/imageformats; point the fuzzers at
# OUTPUT_DIR/plugins with SAKANA_FUZZ_QT_PLUGINS. A source line for Debian's
# source packages is added to apt's sources when none is configured.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/common.sh"

OUT=$(mkdir -p "${1:-$ROOT/build-fuzz/qt-plugins}" && cd "${1:-$ROOT/build-fuzz/qt-plugins}" && pwd)

ensure_packages clang libclang-rt-14-dev cmake ninja-build xz-utils patch qt6-base-dev qt6-base-private-dev

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi

# The plugins use Qt's private headers: build them from exactly the Debian
# version of Qt that is installed.
SOURCE_PACKAGE=$(dpkg-query -W -f='${source:Package}' qt6-base-dev)
VERSION=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
UPSTREAM=${VERSION#*:}
UPSTREAM=${UPSTREAM%-*}

has_source() {
    apt-cache showsrc "$SOURCE_PACKAGE" 2>/dev/null | grep -qx "Version: $VERSION"
}

# Adds deb-src entries mirroring the configured Debian deb entries.
add_source_entries() {
    local deb822=/etc/apt/sources.list.d/debian.sources
    if [ -f "$deb822" ]; then
        sed -e 's/^Types:.*$/Types: deb-src/' "$deb822" \
            | $SUDO tee /etc/apt/sources.list.d/sakana-fuzz-src.sources >/dev/null
    else
        grep -h '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null \
            | sed -e 's/^deb /deb-src /' \
            | $SUDO tee /etc/apt/sources.list.d/sakana-fuzz-src.list >/dev/null
    fi
    $SUDO apt-get update -qq
}

SOURCE_DIR=$OUT/source
mkdir -p "$SOURCE_DIR"
ORIG=$SOURCE_DIR/${SOURCE_PACKAGE}_${UPSTREAM}.orig.tar.xz
DEBIAN_TAR=$SOURCE_DIR/${SOURCE_PACKAGE}_${VERSION#*:}.debian.tar.xz
if [ ! -f "$ORIG" ] || [ ! -f "$DEBIAN_TAR" ]; then
    if ! has_source; then
        add_source_entries
    fi
    if ! has_source; then
        echo "apt knows no source package $SOURCE_PACKAGE $VERSION" >&2
        exit 1
    fi
    echo "Downloading the source package $SOURCE_PACKAGE $VERSION"
    (cd "$SOURCE_DIR" && apt-get source --download-only -qq "$SOURCE_PACKAGE=$VERSION" 2>&1 \
        | grep -v 'unsandboxed as root' || true)
    [ -f "$ORIG" ] && [ -f "$DEBIAN_TAR" ] || { echo "download of $SOURCE_PACKAGE failed" >&2; exit 1; }
fi

# Only the two plugin folders are unpacked, with whatever Debian patches
# touch them.
TREE=$SOURCE_DIR/tree
rm -rf "$TREE"
mkdir -p "$TREE"
tar -xJf "$ORIG" -C "$TREE" --strip-components=1 --wildcards \
    '*/src/plugins/imageformats/gif/*' '*/src/plugins/imageformats/ico/*'
tar -xJf "$DEBIAN_TAR" -C "$TREE"
if [ -f "$TREE/debian/patches/series" ]; then
    while read -r patch _; do
        case $patch in ''|'#'*) continue ;; esac
        if grep -qE '^\+\+\+ [^ ]*src/plugins/imageformats/(gif|ico)/' "$TREE/debian/patches/$patch"; then
            echo "Applying Debian patch $patch"
            (cd "$TREE" && patch -p1 -s --no-backup-if-mismatch < "debian/patches/$patch")
        fi
    done < "$TREE/debian/patches/series"
fi

SANITIZE="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
CC=clang CXX=clang++ cmake -S "$ROOT/fuzz/qt-plugins" -B "$OUT/build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$SANITIZE -fno-omit-frame-pointer" \
    -DQT_IMAGEFORMATS_SOURCE_DIR="$TREE/src/plugins/imageformats" >/dev/null
cmake --build "$OUT/build" -j "$(nproc)"
rm -rf "$OUT/plugins"
mkdir -p "$OUT/plugins"
cp -r "$OUT/build/plugins/imageformats" "$OUT/plugins/"

# A plugin without coverage counters would leave the fuzzer blind inside it.
for plugin in "$OUT"/plugins/imageformats/libqgif.so "$OUT"/plugins/imageformats/libqico.so; do
    symbols=$(nm -D "$plugin")
    if ! grep -q '__sanitizer_cov_8bit_counters_init' <<<"$symbols" \
        || ! grep -q '__asan_report' <<<"$symbols"; then
        echo "$plugin is not instrumented" >&2
        exit 1
    fi
done
echo "Instrumented Qt image plugins: $OUT/plugins/imageformats"
