#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The spoken names as a child hears them. The real program on a virtual
# display plays to a PulseAudio null output, whose monitor is recorded
# while the test opens the lookup, clicks たい, rests the pointer on あいなめ,
# opens the drill and answers its first question. tests/spoken_names.py
# then finds in the recording the lookup's prompt, the click and then the
# name of たい, the name of あいなめ half a second after the pointer came to
# it, and the answer's mark and then a fish's name; each name must start
# within 30 ms of the end of the sound before it, and never over it.
#
# Usage: tests/spoken_names.sh [BUILD_DIR]   (default build)
set -euo pipefail
export LC_ALL=C.UTF-8

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
ROOT=$root
# shellcheck source=scripts/common.sh
source "$root/scripts/common.sh"
ensure_packages xvfb xdotool pulseaudio pulseaudio-utils python3

work=$(mktemp -d)
pids=()
cleanup() {
    stop_processes "${pids[@]}"
    [ -z "${PULSE_RUNTIME_PATH:-}" ] || kill -KILL "$(cat "$PULSE_RUNTIME_PATH/pid" 2>/dev/null)" 2>/dev/null || true
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "spoken_names: FAIL: $*" >&2
    sed 's/^/    program: /' "$work/out" >&2 2>/dev/null
    exit 1
}
[ -x "$build/bin/sakana" ] || fail "no program at $build/bin/sakana (build it first)"

export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime PULSE_RUNTIME_PATH=$work/runtime/pulse
export PULSE_SERVER=unix:$PULSE_RUNTIME_PATH/native
mkdir -p "$HOME" && mkdir -m 700 -p "$XDG_RUNTIME_DIR"
touch "$work/out"
pulseaudio -D -n --exit-idle-time=-1 --load="module-null-sink sink_name=nullsink rate=44100 channels=1" \
    --load="module-native-protocol-unix auth-anonymous=1" >/dev/null 2>&1 || fail "the sound server did not start"
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
start_xvfb 1024x768x24 || fail "the virtual display did not start"

window() { find_window "$1" 100 || fail "no window '$1'"; }
# Notes where in the recording the test acts: its size in bytes now.
mark() { echo "$1 $(stat -c %s "$work/sound.raw")" >>"$work/events"; }

QT_QPA_PLATFORM=xcb "$build/bin/sakana" >"$work/out" 2>&1 &
pids+=($!)
menu=$(window "メニュー")
parec -d nullsink.monitor --format=s16le --channels=1 --rate=44100 --raw --latency-msec=10 >"$work/sound.raw" &
pids+=($!)
sleep 1
mark to-lookup
xdotool mousemove --window "$menu" 161 435 click 1        # 魚しらべ
lookup=$(window "魚しらべ")
sleep 3
xdotool mousemove --window "$lookup" 677 129              # onto たい
mark click-tai
xdotool click 1
sleep 2
mark rest-ainame
xdotool mousemove --window "$lookup" 89 69                # onto あいなめ, and rest
sleep 1.5
xdotool mousemove --window "$lookup" 400 300              # the background
xdotool mousemove --window "$lookup" 589 34 click 1       # 魚ドリル
drill=$(window "魚ドリル")
sleep 4
xdotool mousemove --window "$drill" 89 369                # onto a name
mark answer
xdotool click 1
sleep 2.5
kill -0 "${pids[0]}" 2>/dev/null || fail "the program ended"

python3 "$root/tests/spoken_names.py" "$work/sound.raw" "$build/bin/音" "$work/events" ||
    fail "the names were not heard as they should be"
echo "spoken_names: OK"
