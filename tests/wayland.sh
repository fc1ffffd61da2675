#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The program on a Wayland desktop. A compositor (weston, drawing with
# pixman) shows its output as a window on a virtual X display; the program
# runs on the Wayland platform without an X display, and tests/wayland.py
# drives it through the output window and reads the output's pixels:
#   menu, Return: the lookup screen opens where the menu was;
#   a name clicked: the names, the prompt and the caption are drawn;
#   F11: the screen fills the output, drawn as before;
#   F11 again: a window again, drawn as before F11 (not black);
#   メニュー, 魚ドリル: each screen opens where the last one was, the
#   drill's names are drawn and one answer shows its mark and percentage.
# Everything runs in a private runtime folder and home. On failure the
# screenshots, the program's output and the compositor's log are kept in
# BUILD_DIR/wayland-test.
#
# Usage: tests/wayland.sh [BUILD_DIR]   (default build)
set -euo pipefail
export LC_ALL=C.UTF-8

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath "${1:-$root/build}")
ROOT=$root
# shellcheck source=scripts/common.sh
source "$root/scripts/common.sh"

kept=$build/wayland-test
fail() {
    echo "wayland: FAIL: $*" >&2
    if [ -d "${work:-}" ]; then
        rm -rf "$kept"
        cp -r "$work/shots" "$kept"
        cp "$work/out" "$work/weston.log" "$kept/" 2>/dev/null || true
        sed 's/^/    program: /' "$work/out" >&2
        echo "wayland: screenshots, the program's output and the compositor's log are in $kept" >&2
    fi
    exit 1
}

[ -x "$build/bin/sakana" ] || fail "no program at $build/bin/sakana (build it first)"
for tool in Xvfb weston xdotool import; do
    command -v "$tool" >/dev/null || fail "$tool is missing (see TEST_PACKAGES in scripts/common.sh)"
done
/usr/bin/python3 -c 'import PIL' || fail "Pillow is missing (see TEST_PACKAGES in scripts/common.sh)"

work=$(mktemp -d)
weston_pid=""
cleanup() {
    local pid
    for pid in "$(cat "$work/program.pid" 2>/dev/null)" "$weston_pid"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/home" "$work/shots"
mkdir -m 700 "$work/runtime"
touch "$work/out"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/config
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS

start_xvfb 1400x900x24 || fail "the virtual display did not start"
# Its default settings but no panel, whose launcher a stray click would
# start a terminal with, and no locking of the screen when idle.
printf '[core]\nidle-time=0\n[shell]\npanel-position=none\n' >"$work/weston.ini"
weston --backend=x11-backend.so --use-pixman --config="$work/weston.ini" --socket=wayland-sakana \
    --width=1280 --height=800 --log="$work/weston.log" &
weston_pid=$!
output=""
for _ in $(seq 100); do
    output=$(xdotool search --classname '^weston' 2>/dev/null | head -1) && [ -n "$output" ] && break
    kill -0 "$weston_pid" 2>/dev/null || fail "the compositor ended (the display $DISPLAY $(xdpyinfo >/dev/null 2>&1 \
        && echo answers || echo 'does not answer')): $(tail -3 "$work/weston.log")"
    sleep 0.1
done
[ -n "$output" ] && [ -S "$XDG_RUNTIME_DIR/wayland-sakana" ] || fail "the compositor did not start"
# The desktop shell is ready once it has drawn its background (weston's
# log says nothing then): the output stops being black.
for _ in $(seq 100); do
    [ "$(import -silent -window root -format '%[fx:maxima]' info: 2>/dev/null)" != 0 ] && break
    sleep 0.1
done

export WAYLAND_DISPLAY=wayland-sakana
started=$SECONDS
/usr/bin/python3 "$root/tests/wayland.py" "$build/bin/sakana" "$output" "$work/shots" "$work/program.pid" \
    2>"$work/out" || fail "see the checks above"
echo "wayland: OK ($((SECONDS - started)) s)"
