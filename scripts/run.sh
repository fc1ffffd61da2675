#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the program and starts it. Without a
# display it runs the program on a virtual display, saves a screenshot of
# each screen (menu, lookup with a fish chosen, drill) and ends the program.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/common.sh"

# Only the program: its tests and benchmarks need more than running does.
ensure_packages "${RUN_PACKAGES[@]}"
BUILD=${BUILD_DIR:-$ROOT/build}
build_into "$BUILD" -DBUILD_TESTING=OFF
PROGRAM="$BUILD/bin/sakana"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$PROGRAM"
fi

echo "There is no display here (DISPLAY is not set), so the program cannot open a window."
echo "Starting it on a virtual display instead, to take a screenshot of each screen."
ensure_packages "${SCREENSHOT_PACKAGES[@]}"
program=""
trap 'kill $program ${XVFB_PID:-} 2>/dev/null || true' EXIT
start_xvfb 1024x768x24
"$PROGRAM" &
program=$!

# Waits for the window of that title, then saves it as a PNG.
shoot() {
    local title=$1 file=$2 id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1) && [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "The window '$title' did not appear." >&2; exit 1; }
    sleep 1
    import -window "$id" "$file"
    echo "$title, as it appeared: $file"
    window=$id
}
# Clicks at a point of the last window shot.
click() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
}

shoot "メニュー" "$BUILD/menu-screenshot.png"
click 161 435                                  # 魚しらべ
shoot "魚しらべ" "$BUILD/lookup-screenshot.png"
click 680 130                                  # たい, fourth in the right column
click 700 470                                  # the pointer off the names
sleep 0.5
import -window "$window" "$BUILD/lookup-screenshot.png"
click 589 34                                   # 魚ドリル
shoot "魚ドリル" "$BUILD/drill-screenshot.png"
