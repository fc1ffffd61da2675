#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The benchmarks: the program's start-up against a minimal Qt window, the cost
# of each screen, and the long soak. Nothing here is timed against a limit by
# the test suite; this script measures and prints.
#
#   scripts/bench.sh [--build-dir DIR] [--launches N] [--only startup|screens|soak]
#
# Without --build-dir it builds into build/ first. The start-up comparison
# runs on $DISPLAY when one is set, otherwise on a virtual display of its own.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/common.sh
source "$ROOT/scripts/common.sh"

BUILD=""
LAUNCHES=20
ONLY=""
while [ $# -gt 0 ]; do
    case $1 in
    --build-dir) BUILD=$2; shift 2 ;;
    --launches) LAUNCHES=$2; shift 2 ;;
    --only) ONLY=$2; shift 2 ;;
    *) echo "usage: $0 [--build-dir DIR] [--launches N] [--only startup|screens|soak]" >&2; exit 2 ;;
    esac
done

ensure_packages "${RUN_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
if [ -z "$BUILD" ]; then
    BUILD=$ROOT/build
    build_into "$BUILD" -DBUILD_TESTING=ON
fi
BIN=$BUILD/bin
# The program measured; another build of it may be named instead.
PROGRAM=${SAKANA_BENCH_PROGRAM:-$BIN/sakana}

median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

startup() {
    for tool in "$PROGRAM" "$BIN/sakana_reference" "$BIN/firstframe"; do
        [ -x "$tool" ] || { echo "missing $tool (is bench/ part of the build?)" >&2; exit 1; }
    done
    if [ -z "${DISPLAY:-}" ] || ! xset q >/dev/null 2>&1; then
        trap stop_xvfb EXIT
        start_xvfb 1280x1024x24
    fi
    echo "== Start-up: exec to the menu fully painted, $LAUNCHES launches each, alternating, on $DISPLAY"
    local out
    out=$(mktemp -d)
    # One launch of each first, so that both start from a warm file cache.
    "$BIN/firstframe" "メニュー" 500 "$PROGRAM" >/dev/null
    "$BIN/firstframe" "メニュー" 500 "$BIN/sakana_reference" >/dev/null
    local k
    for k in $(seq "$LAUNCHES"); do
        "$BIN/firstframe" "メニュー" 500 "$PROGRAM" >>"$out/sakana"
        "$BIN/firstframe" "メニュー" 500 "$BIN/sakana_reference" >>"$out/reference"
    done
    local ms_p ms_r kb_p kb_r cpu_p cpu_r settled_p settled_r
    settled_p=$(cut -d' ' -f4 "$out/sakana" | median)
    settled_r=$(cut -d' ' -f4 "$out/reference" | median)
    cpu_p=$(cut -d' ' -f3 "$out/sakana" | median)
    cpu_r=$(cut -d' ' -f3 "$out/reference" | median)
    ms_p=$(cut -d' ' -f1 "$out/sakana" | median)
    ms_r=$(cut -d' ' -f1 "$out/reference" | median)
    kb_p=$(cut -d' ' -f2 "$out/sakana" | median)
    kb_r=$(cut -d' ' -f2 "$out/reference" | median)
    awk -v mp="$ms_p" -v mr="$ms_r" -v kp="$kb_p" -v kr="$kb_r" -v cp="$cpu_p" -v cr="$cpu_r" \
        -v sp="$settled_p" -v sr="$settled_r" 'BEGIN {
        printf "            first frame   resident at it   processor time to it   resident 0.5 s later\n"
        printf "            (ms)          (MB)             (ms)                   (MB; the sound system started)\n"
        printf "sakana      %8.1f      %8.1f         %8.1f               %8.1f\n", mp, kp / 1024, cp, sp / 1024
        printf "reference   %8.1f      %8.1f         %8.1f               %8.1f\n", mr, kr / 1024, cr, sr / 1024
        printf "ratio       %8.2f      %8.2f         %8.2f               %8.2f\n", mp / mr, kp / kr, cp / cr, sp / sr
        printf "(targets: first frame and resident memory at it, each at most 1.10 of the reference)\n"
    }'
    echo "(medians; every launch: $out)"
}

screens() {
    echo "== Screens: open and paint, show a question, answer one, build the name grid"
    echo "   (processor time of the benchmark's own thread, so other load on the machine barely counts)"
    QT_QPA_PLATFORM=offscreen "$BIN/screenbench" -perf -perfcounter task-clock -iterations 40 -median 3 \
        | grep -E '^(FAIL|RESULT)|per iteration' | paste - -
}

soak() {
    echo "== Soak: 10000 screen changes and 1000 quizzes"
    QT_QPA_PLATFORM=offscreen SAKANA_SOAK_SCALE=full "$BIN/tst_soak"
}

case $ONLY in
"") startup; screens; soak ;;
startup) startup ;;
screens) screens ;;
soak) soak ;;
*) echo "unknown part: $ONLY" >&2; exit 2 ;;
esac
