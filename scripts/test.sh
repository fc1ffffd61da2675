#!/usr/bin/env bash
# Installs what is missing, builds the program and its tests, and runs every test.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/common.sh"

# The media folder tests regenerate it from its sources and measure its sounds.
ensure_packages "${BUILD_PACKAGES[@]}" librsvg2-bin imagemagick sox ffmpeg pulseaudio

BUILD=${BUILD_DIR:-$ROOT/build}
build_into "$BUILD" "$@"
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2
