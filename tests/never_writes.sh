#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The program writes nothing, starts no process and connects nowhere. One
# whole run of the real program on a virtual display, driven by xdotool
# (menu, lookup with names clicked, drill with a whole quiz, menu, end),
# under strace; then a shorter run as in a kiosk session or a console startx:
# no session bus address, no runtime folder and a fresh home; then one with
# a fresh home that reaches the sound server. After each:
#   - no file under the program's folder or the home directory was created,
#     changed or removed (both are listed before and after, with size, time
#     and mode);
#   - the program opened no file for writing anywhere, created no directory,
#     renamed or removed nothing;
#   - it started no program (a message bus or a sound server of its own
#     would outlive it);
#   - it connected to no socket but the display's and the sound server's.
#
# Usage: tests/never_writes.sh [BUILD_DIR]   (default build)
# NEVER_WRITES_QUESTIONS=N answers only N questions of the quiz (default 40).
set -euo pipefail
export LC_ALL=C.UTF-8

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
questions=${NEVER_WRITES_QUESTIONS:-40}
ROOT=$root
# shellcheck source=scripts/common.sh
source "$root/scripts/common.sh"
ensure_packages xvfb xdotool strace x11-utils

fail() {
    echo "never_writes: FAIL: $*" >&2
    exit 1
}

[ -x "$build/bin/sakana" ] || fail "no program at $build/bin/sakana (build it first)"

work=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
    local pid
    for pid in "$program_pid" "$xvfb_pid" "${sound_pid:-}"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        # Let it finish before its files are removed: a sound server still
        # shutting down writes into the runtime folder.
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work" || true
}
trap cleanup EXIT

# The program's folder: the program with its media beside it, as installed.
app=$work/app
mkdir -p "$app"
cp "$build/bin/sakana" "$app/"
# Its sound module, as many folders up from it as in the build.
module=$(cd "$build/bin" && find ../lib -name 'sakana_sound.*' -type f | head -1)
[ -n "$module" ] || fail "no sound module in $build/lib"
mkdir -p "$app/$(dirname "$module")"
cp "$build/bin/$module" "$app/$module"
cp -r "$root/data/media/." "$app/"
home=$work/home
mkdir -p "$home"
fresh=$work/fresh-home
mkdir -m 700 -p "$fresh"
runtime=$work/runtime
mkdir -m 700 -p "$runtime"
# Where the program's libraries would make their temporary folders.
tmp=$work/tmp
mkdir -m 700 -p "$tmp"

listing() {
    find "$app" "$home" "$fresh" "$tmp" -printf '%p %y %s %T@ %m\n' | sort
}

start_xvfb 1280x1024x24 || fail "the virtual display did not start"
xvfb_pid=$XVFB_PID
n=${DISPLAY#:}
xdpyinfo >/dev/null 2>&1 || fail "the virtual display does not answer"

# A sound server with a null output, as on a desktop, so that the sound
# player connects. It runs in the same home, where it leaves its cookie
# before the program starts, as a desktop session has. (Without a cookie
# there, the sound server's client library in the program would create one.)
sound_pid=""
if command -v pulseaudio >/dev/null; then
    HOME=$home XDG_RUNTIME_DIR=$runtime pulseaudio --daemonize=no -n --exit-idle-time=-1 \
        --load=module-null-sink --load=module-native-protocol-unix >/dev/null 2>&1 &
    sound_pid=$!
    for _ in $(seq 50); do [ -S "$runtime/pulse/native" ] && break; sleep 0.1; done
    sleep 0.5
fi

# Waits for the window of that title and gives its id.
window() { find_window "$1" 300 || fail "no window '$1'"; }
click() {  # window, x, y (pixels within the window)
    xdotool mousemove --window "$1" "$2" "$3" click 1
}
# Centre of a fish's name on the list screens.
name_x() { if [ "$1" -le 20 ]; then echo 89; else echo 677; fi; }
name_y() { echo $(((900 + 300 * (($1 - 1) % 20) + 142) / 15)); }

# One run of the program; the arguments after the label and the number of
# questions are env(1)'s: what the session sets and leaves unset.
one_run() {
    local label=$1 questions=$2
    shift 2
    listing >"$work/before"
    # The test suite runs offscreen; this program must open a real window.
    env "$@" TMPDIR="$tmp" QT_QPA_PLATFORM=xcb \
        strace -f -qq -o "$work/trace" \
        -e trace=open,openat,openat2,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,rmdir,truncate,link,linkat,symlink,symlinkat,chmod,fchmodat,connect,bind,execve \
        "$app/sakana" >"$work/out" 2>&1 &
    program_pid=$!

    menu=$(window "メニュー")
    sleep 0.5
    click "$menu" 161 435                      # 魚しらべ
    sleep 2.5
    lookup=$(window "魚しらべ")
    for fish in 1 7 20 21 33 40; do
        click "$lookup" "$(name_x $fish)" "$(name_y $fish)"
        sleep 0.3
    done
    click "$lookup" 589 34                     # 魚ドリル
    sleep 2.5
    drill=$(window "魚ドリル")
    for question in $(seq "$questions"); do
        fish=$(((question * 7) % 40 + 1))
        click "$drill" "$(name_x $fish)" "$(name_y $fish)"
        sleep 2.3
    done
    click "$drill" 693 34                      # メニュー
    sleep 2.5
    menu=$(window "メニュー")
    click "$menu" 612 435                      # お わ り
    for _ in $(seq 100); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$program_pid" 2>/dev/null; then
        fail "$label: the program did not end after お わ り"
    fi
    wait "$program_pid" || fail "$label: the program ended with status $?: $(cat "$work/out")"
    program_pid=""
    listing >"$work/after"

    diff "$work/before" "$work/after" >"$work/changed" || fail "$label: files changed under the program's folder or home:
    $(cat "$work/changed")"

    # Writes anywhere: opened for writing or creating, or the file system changed.
    grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC' "$work/trace" | grep -v ' = -1 ' >"$work/writes" || true
    grep -E '(mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|rmdir|truncate|link|linkat|symlink|symlinkat|chmod|fchmodat)\(' "$work/trace" \
        | grep -v ' = -1 ' >>"$work/writes" || true
    # Shared memory is no file of the disk, and the session's runtime folder
    # belongs to the sound system, whose client library keeps its socket folder
    # there.
    grep -v -E "\"/dev/(shm|null|zero|dri)|memfd:|\"$runtime/" "$work/writes" >"$work/writes.disk" || true
    [ -s "$work/writes.disk" ] && fail "$label: the program wrote:
    $(head -20 "$work/writes.disk")"

    # Connections: only the display's socket and the sound server's.
    grep -E 'connect\(' "$work/trace" >"$work/connects" || true
    grep -v -E "sun_path=@?\"/tmp/\.X11-unix/X$n\"|sun_path=\"$runtime/pulse/native\"|sun_path=\"/run/user/[0-9]+/pulse/native\"" \
        "$work/connects" >"$work/others" || true
    grep -E 'AF_INET|AF_INET6|AF_UNIX|AF_NETLINK' "$work/others" >"$work/others.sockets" || true
    [ -s "$work/others.sockets" ] && fail "$label: the program connected elsewhere:
    $(head -20 "$work/others.sockets")"
    grep -E 'bind\(' "$work/trace" | grep -E 'AF_INET|AF_INET6' && fail "$label: the program listened on a network socket"
    # Programs started: none but the program itself.
    grep -E 'execve\(' "$work/trace" | tail -n +2 >"$work/started" || true
    [ -s "$work/started" ] && fail "$label: the program started another:
$(head -5 "$work/started")"
    echo "never_writes: $label: $(grep -c . "$work/connects") connections (display and sound only), no file written, no program started; $questions questions answered"
}

one_run "session" "$questions" HOME="$home" XDG_RUNTIME_DIR="$runtime"
one_run "no session bus, no runtime folder, fresh home" 3 \
    -u DBUS_SESSION_BUS_ADDRESS -u XDG_RUNTIME_DIR -u PULSE_SERVER HOME="$fresh"
# A fresh home holds no key for the sound server, which the program reaches.
[ -z "$sound_pid" ] || one_run "fresh home, the sound server running" 1 HOME="$fresh" XDG_RUNTIME_DIR="$runtime"
