#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks an installed sakana package on this machine, as a user would meet
# it: nothing it needs is missing, it holds the spoken voices and credits
# their voice, `sakana --version` answers, the shipped
# media folder checks clean, Qt's own messages are Japanese in a Japanese
# locale, without a display the program says so in one line, and the
# program, started on a virtual display with a sound server whose output is
# recorded, shows its menu, loads its sound module and is heard when 魚しらべ
# is clicked; on a Wayland compositor without any X11 server it starts too.
#
# Needs root (or sudo) the first time: it installs Xvfb, xdotool and the
# sound server, but only after the package's own libraries have been checked,
# so that nothing they bring along can hide a dependency the package lacks.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/common.sh"
export LC_ALL=C.UTF-8

fail() {
    echo "check-package: FAIL: $*" >&2
    exit 1
}
step() {
    echo "check-package: $*"
}

program=$(command -v sakana) || fail "no sakana on the PATH: is the package installed?"
module=$(dpkg -L sakana | grep '/sakana_sound\.so$') || fail "the package holds no sound module"
xcb=$(find /usr/lib -path '*/qt6/plugins/platforms/libqxcb.so' -print -quit)
[ -n "$xcb" ] || fail "Qt's X11 platform plugin is not installed"
# Recommended by the package, and so installed with it by default.
wayland=$(find /usr/lib -path '*/qt6/plugins/platforms/libqwayland-generic.so' -print -quit)
[ -n "$wayland" ] || fail "Qt's Wayland platform plugin (qt6-wayland) is not installed"
missing=$(ldd "$program" "$module" "$xcb" "$wayland" | grep 'not found' || true)
[ -z "$missing" ] || fail "libraries not found: $missing"
step "no library missing for $program, $module, $xcb, $wayland"
voices=$(dpkg -L sakana | grep -c '/share/sakana/音/声/[a-z0-9]*\.wav$' || true)
[ "$voices" -eq 43 ] || fail "the package holds $voices spoken voices in /usr/share/sakana/音/声, not 43"
grep -q 'Nagoya Institute of Technology' /usr/share/doc/sakana/copyright ||
    fail "the package's copyright file does not credit the voice the names are spoken with"
step "the package holds the 43 spoken voices and credits their voice"

version=$(sakana --version) || fail "sakana --version failed"
step "sakana --version: $version"
status=0
sakana --check-media >/tmp/check-package-media.txt 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "sakana --check-media exited $status: $(cat /tmp/check-package-media.txt)"
step "sakana --check-media: exit 0"
status=0
out=$(LC_ALL=ja_JP.UTF-8 sakana --bogus 2>&1) || status=$?
[ "$status" -eq 1 ] && grep -q '未知のオプション' <<<"$out" || fail "sakana --bogus in Japanese exited $status: $out"
step "sakana --bogus in a Japanese locale: $out"
status=0
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE sakana 2>&1) || status=$?
[ "$status" -eq 1 ] && grep -q 'desktop session' <<<"$out" || fail "sakana without a display exited $status: $out"
step "sakana without a display: exit 1, $out"

ensure_packages xvfb xdotool pulseaudio pulseaudio-utils weston

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

start_xvfb 1024x768x24 || fail "the virtual display did not start"
pids+=("$XVFB_PID")

pulseaudio --daemonize=no -n --exit-idle-time=-1 \
    --load="module-null-sink sink_name=nullsink" --load=module-native-protocol-unix >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/pulse/native" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/pulse/native" ] || fail "the sound server did not start"

sakana >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^メニュー$' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "the menu did not appear: $(cat "$work/program.log")"
step "the menu is shown"

# The sound module is loaded a moment after the menu is painted.
for _ in $(seq 100); do
    grep -q sakana_sound "/proc/$program_pid/maps" && break
    sleep 0.1
done
grep -q sakana_sound "/proc/$program_pid/maps" || fail "the sound module was not loaded"
step "the sound module is loaded"
sleep 0.5

# A short latency, so that what has been recorded is in the file at once.
parec -d nullsink.monitor --format=s16le --channels=1 --rate=22050 --raw --latency-msec=20 >"$work/sound.raw" &
recorder=$!
pids+=("$recorder")
# What is recorded before the click: at least 0.3 s, whatever the recorder's
# start-up takes.
for _ in $(seq 100); do
    [ "$(stat -c %s "$work/sound.raw")" -ge 13230 ] && break
    sleep 0.1
done
quiet=$(stat -c %s "$work/sound.raw")
[ "$quiet" -ge 13230 ] || fail "the sound server's output could not be recorded"
xdotool mousemove --window "$window" 161 435 click 1            # 魚しらべ
sleep 1.5
kill -INT "$recorder"
wait "$recorder" 2>/dev/null || true

# The loudest sample, out of 32768, of the recording before the click and
# after it.
peak() {
    od -An -v -td2 -w2 "$work/sound.raw" |
        awk -v from="$1" -v to="$2" 'NR > from && NR <= to { v = $1 < 0 ? -$1 : $1; if (v > p) p = v } END { print p + 0 }'
}
before=$(peak 0 $((quiet / 2)))
after=$(peak $((quiet / 2)) 1000000000)
[ "$before" -lt 1000 ] || fail "the sound server's output was not silent before the click (peak $before of 32768)"
[ "$after" -ge 1000 ] || fail "the click on 魚しらべ was not heard (peak $after of 32768)"
step "the click on 魚しらべ was heard (peak $after of 32768; $before in the $((quiet * 1000 / 44100)) ms before it)"

for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^魚しらべ$' >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool search --onlyvisible --name '^魚しらべ$' >/dev/null 2>&1 || fail "the lookup screen did not open"
step "the lookup screen opened"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended: $(cat "$work/program.log")"

# A Wayland session with no X11 server: the program starts and keeps running.
weston --backend=headless-backend.so --socket=sakana-check --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/sakana-check" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/sakana-check" ] || fail "weston did not start: $(cat "$work/weston.log")"
status=0
env -u DISPLAY WAYLAND_DISPLAY=sakana-check XDG_SESSION_TYPE=wayland timeout 3 sakana >"$work/wayland.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "on Wayland alone the program ended with $status: $(cat "$work/wayland.log")"
step "on Wayland alone the program runs"
step "passed"
