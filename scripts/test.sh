#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the program and its tests, and runs every test.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/common.sh"

ensure_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

BUILD=${BUILD_DIR:-$ROOT/build}
build_into "$BUILD" -DBUILD_TESTING=ON "$@"
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2
