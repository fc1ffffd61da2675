#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Without a
# display it shows the menu on a virtual display, saves a screenshot of it
# and ends the program.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
BUILD=${BUILD_DIR:-$ROOT/build}
build_into "$BUILD"
PROGRAM="$BUILD/bin/sakana"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$PROGRAM"
fi

echo "There is no display here (DISPLAY is not set), so the program cannot open a window."
echo "Starting it on a virtual display instead, to take a screenshot of the menu."
ensure_packages xvfb imagemagick
display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$program" "$xvfb" 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display "$PROGRAM" &
program=$!
sleep 3
shot="$BUILD/menu-screenshot.png"
DISPLAY=$display import -window root "$shot"
echo "The menu, as it appeared: $shot"
