#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The six sounds of the media folder must sound equally loud, must not clip,
# and the failure sound must not be louder than the right-answer sound. The
# spoken names and prompts (声/) must sound as loud as the six and not clip.
#
# Each file is measured with ffmpeg's EBU R128 meter (the ebur128 filter),
# followed by half a second of silence so that the 400 ms window passes over
# all of a short sound. A sound's loudness is its maximum momentary loudness
# (the largest M value, LUFS); its peak is the meter's true peak (dBFS).
# Integrated loudness is not used: it is undefined for sounds under 400 ms.
#
# Fails when
#   - a sound is missing or the meter gives no reading for it,
#   - any sound's loudness is more than 1 LU away from the mean of the six,
#   - a voice is missing, or its loudness is more than 1 LU away from that
#     same mean,
#   - any true peak is above -1 dBFS,
#   - dame.wav (failed) is louder than o.wav (right).
#
# Usage: tests/media_loudness.sh [SOUND_DIR]   (default data/media/音)

set -euo pipefail
export LC_ALL=C.UTF-8

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir=${1:-$root/data/media/音}

SOUNDS="oto oto1 o x gokaku dame"
VOICES="$(seq -f 'f%g' -s ' ' 1 40) erande nandesuka mouichido"
MAX_DEVIATION_LU=1.0
MAX_TRUE_PEAK_DB=-1.0

fail() {
    echo "media_loudness: FAIL: $*" >&2
    exit 1
}

command -v ffmpeg >/dev/null 2>&1 ||
    fail "'ffmpeg' not found; install it with: apt-get install -y ffmpeg"

# shellcheck source=data/src/loudness.sh
. "$root/data/src/loudness.sh"

# Each line of values is "KIND NAME LOUDNESS TRUE_PEAK", KIND being sound or
# voice; the mean is the six sounds' alone.
values=""
for s in $SOUNDS $VOICES; do
    kind=sound name=$s
    case " $VOICES " in *" $s "*) kind=voice name=声/$s ;; esac
    f=$dir/$name.wav
    [ -f "$f" ] || fail "missing $f"
    reading=$(measure_loudness "$f") || true
    [ -n "$reading" ] || fail "the meter gave no reading for $f"
    read -r l tp <<<"$reading"
    printf 'media_loudness: %-18s max momentary %7.2f LUFS, true peak %6s dBFS\n' "$name.wav" "$l" "$tp"
    values+="$kind $name $l $tp"$'\n'
done

problems=$(awk -v dev="$MAX_DEVIATION_LU" -v maxtp="$MAX_TRUE_PEAK_DB" '
    NF == 4 {
        k++; name[k] = $2; l[k] = $3; tp[k] = $4; v[$2] = $3
        if ($1 == "sound") { sum += $3; n++ }
    }
    END {
        mean = sum / n
        for (i = 1; i <= k; i++) {
            d = l[i] - mean
            if (d > dev || -d > dev)
                printf "%s.wav is %+.2f LU from the mean loudness %.2f LUFS (allowed +-%.1f)\n", name[i], d, mean, dev
            if (tp[i] == "inf" || tp[i] + 0 > maxtp)
                printf "%s.wav has a true peak of %s dBFS, above %.1f\n", name[i], tp[i], maxtp
        }
        if (v["dame"] > v["o"])
            printf "dame.wav (%.2f LUFS) is louder than o.wav (%.2f LUFS)\n", v["dame"], v["o"]
    }' <<<"$values")

if [ -n "$problems" ]; then
    while IFS= read -r line; do echo "media_loudness: FAIL: $line" >&2; done <<<"$problems"
    exit 1
fi
echo "media_loudness: OK, six sounds and $(wc -w <<<"$VOICES") voices within +-$MAX_DEVIATION_LU LU of the sounds' mean, no true peak above $MAX_TRUE_PEAK_DB dBFS"
