#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What a screen reader hears: the real program on a virtual display with a
# window manager and an accessibility bus of its own, driven through that bus
# by tests/screen_reader.py (menu, lookup with たい chosen, drill with three
# answers, one of them wrong), which checks the events and names it receives.
#
# Usage: tests/screen_reader.sh [BUILD_DIR] [--orca LOG] [--full | --fail]
#   --orca LOG  also runs Orca with its debug log in LOG and prints the lines
#               it spoke (nothing is checked then: the log is for reading)
#   --full      answers all forty questions, so that the grade is heard
#   --fail      answers all forty wrongly, so that the fail is heard
# Fails loudly when the display, the message bus or the accessibility bus
# cannot start: a screen reader test that cannot listen has not passed.
set -euo pipefail
export LC_ALL=C.UTF-8

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

fail() {
    echo "screen_reader: FAIL: $*" >&2
    exit 1
}

# Inside the private message bus: the accessibility bus, the window manager,
# Orca if asked, the program, then the driver.
if [ "${1:-}" = "--inside" ]; then
    shift
    build=$1 orca_log=$2 full=$3
    pids=()
    # Orca does not always end on SIGTERM while it waits on a bus call: what
    # is still there a second later is killed outright.
    stop_all() {
        kill "${pids[@]}" 2>/dev/null || true
        for _ in $(seq 10); do
            local alive=0
            for pid in "${pids[@]}"; do kill -0 "$pid" 2>/dev/null && alive=1; done
            [ $alive = 1 ] || break
            sleep 0.1
        done
        kill -KILL "${pids[@]}" 2>/dev/null || true
        wait 2>/dev/null || true
    }
    trap stop_all EXIT
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do
        address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
                  org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ') && [ -n "$address" ] && break
        sleep 0.1
    done
    [ -n "${address:-}" ] || fail "the accessibility bus did not start"
    openbox >/dev/null 2>&1 &
    pids+=($!)
    if [ -n "$orca_log" ]; then
        prefs=$(mktemp -d)
        # No speech server: Orca logs what it would say, and never waits on
        # a sound output that a virtual display does not have.
        # Its log is made line-buffered, so that what it last said is in the
        # file even when it has to be killed.
        SPEECHD_ADDRESS=unix_socket:/nonexistent/speechd.sock /usr/bin/python3 -c '
import builtins, runpy, sys
real_open = builtins.open
def line_buffered(file, mode="r", *args, **kwargs):
    return real_open(file, mode, *args, **(dict(kwargs, buffering=1) if mode == "w" else kwargs))
builtins.open = line_buffered
sys.argv[0] = "orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")' -u "$prefs" --debug-file="$orca_log" >/dev/null 2>&1 &
        pids+=($!)
        sleep 3
    fi
    work=$(mktemp -d)
    cp "$build/bin/sakana" "$work/"
    cp -r "$root/data/media/." "$work/"
    QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$work/sakana" >"$work/out" 2>&1 &
    pids+=($!)
    status=0
    /usr/bin/python3 "$root/tests/screen_reader.py" "$root/data/media" "$full" "${orca_log:+listen}" || status=$?
    if [ -n "$orca_log" ]; then
        sleep 5  # Orca may still be presenting the last events
        echo "--- Orca spoke:"
        grep -o "SPEECH OUTPUT: .*" "$orca_log" | grep -v "^SPEECH OUTPUT: ''" || true
    fi
    exit $status
fi

build=$root/build
orca_log=""
full=""
while [ $# -gt 0 ]; do
    case $1 in
        --orca) orca_log=$(realpath -m "$2"); shift ;;
        --full) full=full ;;
        --fail) full=fail ;;
        *) build=$1 ;;
    esac
    shift
done
[ -x "$build/bin/sakana" ] || fail "no program at $build/bin/sakana (build it first)"
for tool in Xvfb openbox dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || fail "$tool is missing (see TEST_PACKAGES in scripts/common.sh)"
done
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0"); import PIL' \
    || fail "the Python bindings of the accessibility bus or Pillow are missing"

ROOT=$root
# shellcheck source=scripts/common.sh
source "$root/scripts/common.sh"
trap stop_xvfb EXIT
start_xvfb 1280x1024x24 || fail "the virtual display did not start"
# No session of the desktop's leaks in: a bus, settings and runtime folder of
# its own.
home=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
HOME=$home XDG_RUNTIME_DIR=$home/runtime XDG_CONFIG_HOME=$home/config \
    dbus-run-session -- bash "$0" --inside "$build" "$orca_log" "$full"
