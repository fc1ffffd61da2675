#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a scratch prefix and checks the tree: the program
# in bin/, its media folder in share/sakana/, found from the program even
# after the whole prefix has been moved elsewhere; the sound module in
# <libdir>/sakana/, loaded from the program wherever the prefix lies. Then
# the program against its desktop entry: the window class it gets on X11
# (and its app id on Wayland, where weston is installed) is the one the
# entry names, and without a window system it says what is missing.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT
# shellcheck source=scripts/common.sh
source "$(dirname "$0")/../../scripts/common.sh"
fail() { echo "installed_tree: FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
for path in bin/sakana share/sakana/音/oto.wav share/sakana/音/声/f24.wav share/sakana/音/声/mouichido.wav share/sakana/画像/f40.gif share/sakana/説明/name.txt \
            share/applications/io.github.sakana.Sakana.desktop share/metainfo/io.github.sakana.Sakana.metainfo.xml \
            share/icons/hicolor/scalable/apps/io.github.sakana.Sakana.svg; do
    [ -e "$scratch/prefix/$path" ] || { echo "installed_tree: FAIL: $path is not installed" >&2; exit 1; }
done
[ ! -e "$scratch/prefix/音" ] || { echo "installed_tree: FAIL: media installed beside the prefix root" >&2; exit 1; }
# The sound module lies in a folder of its own under the library folder, and
# the program links no sound library itself.
modules=$(find "$scratch/prefix" -name 'sakana_sound.*' -type f)
[ "$(wc -l <<<"$modules")" -eq 1 ] && [ -n "$modules" ] && [[ $modules == "$scratch/prefix/lib"*/sakana/sakana_sound.* ]] ||
    { echo "installed_tree: FAIL: the sound module is not installed in <libdir>/sakana: ${modules:-none}" >&2; exit 1; }
if command -v readelf >/dev/null; then
    ! readelf -d "$scratch/prefix/bin/sakana" | grep -i -E 'NEEDED.*(multimedia|pulse)' ||
        { echo "installed_tree: FAIL: the program links a sound library" >&2; exit 1; }
fi

mv "$scratch/prefix" "$scratch/moved"
program=$scratch/moved/bin/sakana
"$program" --version | grep -q '^sakana ' || { echo "installed_tree: FAIL: --version" >&2; exit 1; }
out=$("$program" --check-media 2>/dev/null) || { echo "installed_tree: FAIL: --check-media: $out" >&2; exit 1; }
# The summary, last, names the folder checked.
case $(tail -n 1 <<<"$out") in
    "$scratch/moved/share/sakana:"*) ;;
    *) echo "installed_tree: FAIL: the media folder was not found in share/sakana: $out" >&2; exit 1 ;;
esac

# The installed program starts and keeps running (an error would end it).
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$program" 2>"$scratch/err" || status=$?
[ "$status" -eq 124 ] || { echo "installed_tree: FAIL: the program ended with $status" >&2; cat "$scratch/err" >&2; exit 1; }
! grep -q 'sound module' "$scratch/err" || { echo "installed_tree: FAIL: the sound module was not loaded" >&2; cat "$scratch/err" >&2; exit 1; }

# The desktop entry names the window class the program's window gets on
# X11, and its own name is the app id on Wayland.
entry=$scratch/moved/share/applications/io.github.sakana.Sakana.desktop
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
start_xvfb 1024x768x24 || fail "the virtual display did not start"
pids+=("$XVFB_PID")
QT_QPA_PLATFORM=xcb "$program" >"$scratch/err" 2>&1 &
pids+=($!)
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^メニュー$' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "no menu window on X11: $(cat "$scratch/err")"
got=$(xprop -id "$window" WM_CLASS)
[ -n "$wm_class" ] && [[ $got == *", \"$wm_class\"" ]] || fail "the window's $got is not StartupWMClass=$wm_class"
if command -v weston >/dev/null; then
    mkdir -m 700 "$scratch/runtime"
    XDG_RUNTIME_DIR=$scratch/runtime weston --backend=headless-backend.so --socket=check --idle-time=0 >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do [ -S "$scratch/runtime/check" ] && break; sleep 0.1; done
    status=0
    env -u DISPLAY XDG_RUNTIME_DIR="$scratch/runtime" WAYLAND_DISPLAY=check QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
        timeout 4 "$program" >"$scratch/err" 2>&1 || status=$?
    grep -q 'set_app_id("io.github.sakana.Sakana")' "$scratch/err" ||
        fail "no app id io.github.sakana.Sakana on Wayland (status $status): $(grep -v '^\[' "$scratch/err")"
else
    echo "installed_tree: weston is not installed: the Wayland app id is not checked"
fi

# No window system: one line that says what is missing, and status 1; a
# wrong option is answered the same with a display or without one.
for run in "desktop session|1|" "Unknown option 'bogus'|1|--bogus" "sakana |0|--version"; do
    IFS='|' read -r says want option <<<"$run"
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 \
        "$program" $option >"$scratch/out" 2>&1 || status=$?
    [ "$status" -eq "$want" ] && [ "$(wc -l <"$scratch/out")" -eq 1 ] && grep -q "$says" "$scratch/out" ||
        fail "without a display, '$option' ended with $status: $(cat "$scratch/out")"
done

# Without its sound module it says so once and goes on, silent.
rm "$scratch/moved/${modules#"$scratch/prefix/"}"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$program" 2>"$scratch/err" || status=$?
[ "$status" -eq 124 ] && [ "$(grep -c 'cannot load the sound module' "$scratch/err")" -eq 1 ] ||
    { echo "installed_tree: FAIL: without the sound module the program ended with $status" >&2; cat "$scratch/err" >&2; exit 1; }

# With no media folder anywhere the report names where it looked.
rm -rf "$scratch/moved/share/sakana"
status=0
out=$("$program" --check-media 2>/dev/null) || status=$?
[ "$status" -eq 1 ] && grep -q "share/sakana" <<<"$out" || { echo "installed_tree: FAIL: missing folder: $out" >&2; exit 1; }
echo "installed_tree: OK"
