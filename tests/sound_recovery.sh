#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The sound comes back when the sound server does. The real program on a
# virtual display is started with no sound server, then a server with a null
# output is started, killed and started again around it; each click on a
# name is recorded from the output's monitor:
#   no server       a click is silent, and the program goes on;
#   server started  the next click is heard;
#   server killed   a click is silent, and the program goes on;
#   started again   the next click is heard.
# Being without the server is said once at the start and once at the loss.
# Everything runs in a private runtime folder and home, apart from any
# sound server of the machine.
#
# The server is PulseAudio, or PipeWire with its PulseAudio service
# (pipewire-pulse, which the program's client library speaks to), its
# session manager and a message bus of their own; there the null output is
# made through the PulseAudio interface once the server answers, and killing
# the server kills all three.
#
# Usage: tests/sound_recovery.sh [BUILD_DIR] [pulseaudio|pipewire]
#        (default build, pulseaudio)
set -euo pipefail
export LC_ALL=C.UTF-8

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
server=${2:-pulseaudio}
ROOT=$root
# shellcheck source=scripts/common.sh
source "$root/scripts/common.sh"
case $server in
    pulseaudio) ensure_packages xvfb xdotool pulseaudio pulseaudio-utils ;;
    pipewire) ensure_packages xvfb xdotool pipewire wireplumber pipewire-pulse pulseaudio-utils dbus ;;
    *) echo "sound_recovery: no such sound server: $server (pulseaudio or pipewire)" >&2; exit 2 ;;
esac

fail() {
    echo "sound_recovery ($server): FAIL: $*" >&2
    sed 's/^/    program: /' "$work/out" >&2 2>/dev/null
    [ "$server" = pulseaudio ] || tail -n 5 "$work"/server-*.log 2>/dev/null | sed 's/^/    server: /' >&2
    exit 1
}

[ -x "$build/bin/sakana" ] || fail "no program at $build/bin/sakana (build it first)"

work=$(mktemp -d)
program_pid=""
xvfb_pid=""
touch "$work/out"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime PULSE_RUNTIME_PATH=$work/runtime/pulse
export PULSE_SERVER=unix:$PULSE_RUNTIME_PATH/native
mkdir -p "$HOME"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

server_pids=()  # PipeWire's processes
bus_pid=""
stop_server() {  # killed, as when it crashes
    local pid
    if [ "$server" = pulseaudio ]; then
        pid=$(cat "$PULSE_RUNTIME_PATH/pid" 2>/dev/null) || return 0
        kill -KILL "$pid" 2>/dev/null || true
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        return 0
    fi
    for pid in "${server_pids[@]}"; do
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    server_pids=()
}
cleanup() {
    local pid
    for pid in "$program_pid" "$xvfb_pid"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    stop_server
    [ -z "$bus_pid" ] || kill "$bus_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
start_server() {
    if [ "$server" = pulseaudio ]; then
        pulseaudio -D -n --exit-idle-time=-1 --load="module-null-sink sink_name=nullsink" \
            --load="module-native-protocol-unix auth-anonymous=1" >/dev/null 2>&1 || fail "the sound server did not start"
        for _ in $(seq 50); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
        fail "the sound server does not answer"
    fi
    # The session manager leaves when it cannot reach a message bus: one of
    # their own, which only they are told of.
    local part
    for part in pipewire wireplumber pipewire-pulse; do
        DBUS_SESSION_BUS_ADDRESS=$bus "$part" >>"$work/server-$part.log" 2>&1 &
        server_pids+=($!)
    done
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl load-module module-null-sink sink_name=nullsink >/dev/null || fail "the sound server does not answer"
    # The output the program plays to is the one the session manager chose.
    for _ in $(seq 50); do [ "$(pactl get-default-sink 2>/dev/null)" = nullsink ] && return 0; sleep 0.1; done
    fail "the null output did not become the default output"
}
alive() { kill -0 "$program_pid" 2>/dev/null || fail "the program ended $1"; }

# Clicks at x, y in the window while the null output is recorded, and gives
# the loudest sample (of 32768) after the click; fails unless the output was
# silent before it.
recorded_click() {
    rm -f "$work/sound.raw"
    parec -d nullsink.monitor --format=s16le --channels=1 --rate=22050 --raw --latency-msec=20 >"$work/sound.raw" &
    local recorder=$!
    # At least 0.3 s before the click, whatever the recorder's start-up takes.
    for _ in $(seq 100); do
        [ "$(stat -c %s "$work/sound.raw")" -ge 13230 ] && break
        sleep 0.05
    done
    local quiet
    quiet=$(stat -c %s "$work/sound.raw")
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 1
    kill -INT "$recorder"
    wait "$recorder" 2>/dev/null || true
    [ "$quiet" -ge 13230 ] || fail "the sound server's output could not be recorded"
    od -An -v -td2 -w2 "$work/sound.raw" | awk -v quiet=$((quiet / 2)) '
        { v = $1 < 0 ? -$1 : $1; if (NR <= quiet) { if (v > b) b = v } else if (v > a) a = v }
        END { if (b >= 1000) exit 1; print a + 0 }' || fail "the output was not silent before the click"
}

window() { find_window "$1" 100 || fail "no window '$1'"; }

if [ "$server" = pipewire ]; then
    dbus-daemon --session --fork --address="unix:path=$XDG_RUNTIME_DIR/bus" \
        --print-address=3 --print-pid=4 3>"$work/bus" 4>"$work/bus.pid" || fail "the message bus did not start"
    bus=$(head -1 "$work/bus")
    bus_pid=$(cat "$work/bus.pid")
fi
start_xvfb 1024x768x24 || fail "the virtual display did not start"
xvfb_pid=$XVFB_PID

QT_QPA_PLATFORM=xcb "$build/bin/sakana" >"$work/out" 2>&1 &
program_pid=$!
menu=$(window "メニュー")
for _ in $(seq 50); do grep -q 'sound server' "$work/out" && break; sleep 0.1; done
grep -q 'sound server' "$work/out" || fail "the program did not say that there is no sound server"
xdotool mousemove --window "$menu" 161 435 click 1             # 魚しらべ
lookup=$(window "魚しらべ")
sleep 0.5
xdotool mousemove --window "$lookup" 89 69 click 1             # the first name
sleep 0.5
alive "without a sound server"

# A name's click, each more than a second after the last try to connect.
start_server
sleep 1.2
peak=$(recorded_click "$lookup" 89 69)
[ "$peak" -ge 1000 ] || fail "not heard once the server started (peak $peak)"
echo "sound_recovery ($server): heard once the server started (peak $peak)"

stop_server
sleep 0.5
xdotool mousemove --window "$lookup" 89 89 click 1
sleep 0.5
alive "when the sound server was killed"

start_server
sleep 1.2
peak=$(recorded_click "$lookup" 89 109)
[ "$peak" -ge 1000 ] || fail "not heard once the server started again (peak $peak)"
echo "sound_recovery ($server): heard once the server started again (peak $peak)"
alive "at the end"

said=$(grep -c 'sound server' "$work/out" || true)
[ "$said" -eq 2 ] || fail "the missing server was said $said times, not once at the start and once at the loss"
echo "sound_recovery ($server): OK"
