#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the libFuzzer targets of the file readers with clang and runs one.
#
#   scripts/fuzz.sh TARGET SECONDS   fuzz TARGET (namelist, picture or wave) for that long
#   scripts/fuzz.sh --replay         run each target once over its committed corpus
#
# A fuzzing run of the picture reader first builds Qt's GIF and ICO plugins with coverage and
# sanitizers (fuzz/build-qt-plugins.sh, once), so that the fuzzer sees inside
# the decoders. It works on a copy of the committed corpus in
# build-fuzz/work/TARGET/corpus, which grows from run to run; crashes, time-outs
# and memory blow-ups land in build-fuzz/work/TARGET/findings. The corpus in
# fuzz/corpus is never written to.
#
# --replay is quick and meant for CI: it uses the instrumented plugins when they
# have been built and Qt's own otherwise.
#
# Environment: BUILD_DIR (default build-fuzz), FUZZ_JOBS_NICE (default 19).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/common.sh"

usage() {
    echo "usage: $0 namelist|picture|wave SECONDS | $0 --replay" >&2
    exit 2
}

MODE=run
case ${1:-} in
    --replay) MODE=replay; [ $# -eq 1 ] || usage ;;
    namelist|fuzz_namelist|picture|fuzz_picture|wave|fuzz_wave)
        [ $# -eq 2 ] && [[ $2 =~ ^[0-9]+$ ]] && [ "$2" -gt 0 ] || usage
        TARGET=${1#fuzz_}
        SECONDS_TO_RUN=$2 ;;
    *) usage ;;
esac

BUILD=${BUILD_DIR:-$ROOT/build-fuzz}
PLUGINS=$BUILD/qt-plugins/plugins
NICE=(nice -n "${FUZZ_JOBS_NICE:-19}")

ensure_packages "${RUN_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"

if [ "$MODE" = run ] && [ "$TARGET" = picture ] && [ ! -f "$PLUGINS/imageformats/libqgif.so" -o ! -f "$PLUGINS/imageformats/libqico.so" ]; then
    "${NICE[@]}" "$ROOT/fuzz/build-qt-plugins.sh" "$BUILD/qt-plugins"
fi

mkdir -p "$BUILD"
plugin_option=()
if [ -f "$PLUGINS/imageformats/libqgif.so" ] && [ -f "$PLUGINS/imageformats/libqico.so" ]; then
    export SAKANA_FUZZ_QT_PLUGINS=$PLUGINS
    plugin_option=(-DSAKANA_FUZZ_QT_PLUGINS="$PLUGINS")
else
    echo "Instrumented Qt image plugins not built: using Qt's own"
    plugin_option=(-DSAKANA_FUZZ_QT_PLUGINS=)
fi

# Two runs may start at once: one builds, the other waits for it.
(
    flock 9
    CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DSAKANA_FUZZ=ON -DBUILD_TESTING=OFF "${plugin_option[@]}" >/dev/null
    "${NICE[@]}" cmake --build "$BUILD" -j "$(nproc)" --target fuzz_namelist fuzz_picture fuzz_wave
) 9>"$BUILD/.build.lock"

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

if [ "$MODE" = replay ]; then
    # Testing is on in the fuzz folder alone (the build leaves the test suite out).
    cd "$BUILD/fuzz"
    ctest -L fuzz --output-on-failure
    exit
fi

WORK=$BUILD/work/$TARGET
mkdir -p "$WORK/corpus" "$WORK/findings"
cp -n "$ROOT/fuzz/corpus/$TARGET/"* "$WORK/corpus/"
LOG=$WORK/fuzz-$(date +%Y%m%d-%H%M%S).log

before=$(find "$WORK/findings" -type f | wc -l)
echo "Fuzzing $TARGET for $SECONDS_TO_RUN s; log: $LOG"
# In fork mode a crash, a time-out or a blow-up is recorded and fuzzing goes
# on, so that one run collects every finding.
status=0
"${NICE[@]}" "$BUILD/bin/fuzz_$TARGET" \
    -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -max_total_time="$SECONDS_TO_RUN" -rss_limit_mb=2048 -timeout=10 \
    -dict="$ROOT/fuzz/$TARGET.dict" -artifact_prefix="$WORK/findings/" \
    -print_final_stats=1 -print_pcs=0 \
    "$WORK/corpus" >"$LOG" 2>&1 || status=$?

# The closing line (time, executions, coverage, features, corpus size, and the
# count of memory blow-ups, time-outs and crashes) and every finding.
grep -E '^INFO: (gif|ico) plugin|^INFO: Loaded [0-9]+ modules' "$LOG" || true
grep -E '^#[0-9]+' "$LOG" | tail -n 1 || true
echo "corpus: $(find "$WORK/corpus" -type f | wc -l) inputs in $WORK/corpus"
findings=$(find "$WORK/findings" -type f | sort)
if [ -n "$findings" ]; then
    echo "findings:"
    echo "$findings"
else
    echo "findings: none"
fi
if [ "$status" -ne 0 ]; then
    echo "fuzz_$TARGET stopped with status $status; see $LOG:"
    tail -n 20 "$LOG"
    exit "$status"
fi
# New findings fail the run.
[ "$(find "$WORK/findings" -type f | wc -l)" -eq "$before" ]
