#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The committed media folder (data/media) must be exactly what data/generate.sh
# makes from data/src: regenerate into a scratch folder and compare byte for
# byte. Fails when the tools are missing (generate.sh names the packages),
# when a source is missing, or when any file differs, is missing or is extra.

set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

if ! bash "$root/data/generate.sh" "$scratch/media" >"$scratch/log" 2>&1; then
    cat "$scratch/log" >&2
    echo "media_regenerates: FAIL: data/generate.sh could not regenerate the media folder (see above)" >&2
    exit 1
fi

if ! diff -r "$scratch/media" "$root/data/media"; then
    echo "media_regenerates: FAIL: data/media differs from what data/generate.sh makes;" >&2
    echo "    run data/generate.sh and commit the result" >&2
    exit 1
fi

count=$(find "$scratch/media" -type f | wc -l)
echo "media_regenerates: OK, $count files identical"
