#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the program and packs it as a Debian
# package: build/sakana_<version>_<arch>.deb (or in BUILD_DIR). Run the tests
# first (scripts/test.sh); packing builds the program alone.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/common.sh"

ensure_packages "${RUN_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
BUILD=${BUILD_DIR:-$ROOT/build}
build_into "$BUILD" -DBUILD_TESTING=OFF
cd "$BUILD"
cpack -G DEB
