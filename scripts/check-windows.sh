#!/bin/bash
# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the Windows zip (scripts/windows.sh) under Wine on a virtual display:
# unpacked into a folder with a Japanese name and a space, in a Wine prefix
# of its own, it answers --version and --check-media, shows the menu, opens
# the lookup, shows a fish and plays its sound (recorded from a PulseAudio
# null output, which Wine plays to), answers a question of the drill and
# ends with お わ り; without 画像/f1.gif it shows the error report.
# Screenshots of the three screens are left in build-windows/screenshots.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/common.sh
source "$ROOT/scripts/common.sh"
ensure_packages "${WINDOWS_CHECK_PACKAGES[@]}"

VERSION=$(sed -n 's/^project(sakana VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
ZIP=$ROOT/build-windows/sakana-windows-$VERSION.zip
SHOTS=$ROOT/build-windows/screenshots
[ -f "$ZIP" ] || { echo "check-windows: no $ZIP: make it with scripts/windows.sh" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
    stop_processes "${pids[@]}"
    [ -z "${WINEPREFIX:-}" ] || wineserver -k 2>/dev/null || true
    [ -z "${PULSE_RUNTIME_PATH:-}" ] || kill -KILL "$(cat "$PULSE_RUNTIME_PATH/pid" 2>/dev/null)" 2>/dev/null || true
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "check-windows: FAIL: $*" >&2
    [ -f "$work/out" ] && sed 's/^/    program: /' "$work/out" >&2
    exit 1
}

folder="$work/さかな の フォルダ"
mkdir -p "$folder"
(cd "$folder" && unzip -q "$ZIP")
app="$folder/sakana-windows-$VERSION"

export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime PULSE_RUNTIME_PATH=$work/runtime/pulse
export PULSE_SERVER=unix:$PULSE_RUNTIME_PATH/native
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
mkdir -p "$HOME" && mkdir -m 700 -p "$XDG_RUNTIME_DIR"
pulseaudio -D -n --exit-idle-time=-1 --load="module-null-sink sink_name=nullsink rate=44100 channels=1" \
    --load="module-native-protocol-unix auth-anonymous=1" >/dev/null 2>&1 || fail "the sound server did not start"
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
start_xvfb 1024x768x24 || fail "the virtual display did not start"
started=$(date +%s)
wineboot -i >/dev/null 2>&1 && wineserver -w || fail "the Wine prefix could not be made"
echo "check-windows: Wine prefix made in $(( $(date +%s) - started )) s"

cd "$app"
version=$(wine sakana.exe --version 2>&1) || fail "--version ended with $?: $version"
version=${version//$'\r'/}
[ "$version" = "sakana $VERSION" ] || fail "--version printed '$version'"
wine sakana.exe --check-media >"$work/out" 2>&1 || fail "--check-media ended with $?"
grep -q 'the media folder is complete' "$work/out" || fail "--check-media did not find the folder complete"

window() {
    local id=""
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || fail "no window '$1'"
    echo "$id"
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
shot() { import -window root "$SHOTS/$1.png"; }
mkdir -p "$SHOTS"

wine sakana.exe >"$work/out" 2>&1 &
program=$!
pids+=($program)
menu=$(window "メニュー")
sleep 2
shot menu
parec -d nullsink.monitor --format=s16le --channels=1 --rate=44100 --raw --latency-msec=10 >"$work/sound.raw" &
pids+=($!)
click "$menu" 161 435                      # 魚しらべ
lookup=$(window "魚しらべ")
sleep 2
click "$lookup" 89 69                      # あいなめ
sleep 3
shot lookup
# The click and the name are heard: the loudest sample well above silence.
loudest=$(od -An -v -t d2 -w2 "$work/sound.raw" | awk '{v = $1 < 0 ? -$1 : $1; if (v > m) m = v} END {print m + 0}')
[ "$loudest" -gt 1000 ] || fail "no sound was heard (loudest sample $loudest)"
echo "check-windows: sound heard, loudest sample $loudest of 32767"
click "$lookup" 589 34                     # 魚ドリル
drill=$(window "魚ドリル")
sleep 2
click "$drill" 89 69                       # an answer
sleep 3
shot drill
click "$drill" 693 34                      # メニュー
menu=$(window "メニュー")
sleep 1
click "$menu" 612 435                      # お わ り
for _ in $(seq 200); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program" 2>/dev/null && fail "the program did not end after お わ り"
wait "$program" || fail "the program ended with status $? after お わ り"
pids=("${pids[@]:1}")

# Without a picture the program says so in its error report.
rm "$app/画像/f1.gif"
wine sakana.exe --check-media >"$work/out" 2>&1 && fail "--check-media passed without 画像/f1.gif"
grep -q 'f1.gif' "$work/out" || fail "--check-media did not name f1.gif"
wine sakana.exe >"$work/out" 2>&1 &
program=$!
pids+=($program)
menu=$(window "メニュー")
sleep 1
click "$menu" 161 435                      # 魚しらべ
lookup=$(window "魚しらべ")
sleep 2
click "$lookup" 89 69                      # あいなめ, whose picture is gone
window "sakana" >/dev/null
shot error
echo "check-windows: OK (screenshots in $SHOTS)"
