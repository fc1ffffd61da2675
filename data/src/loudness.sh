# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The one loudness meter of the media folder's sounds, sourced by
# data/generate.sh (which matches the voices to the six sounds with it) and
# by tests/media_loudness.sh (which checks them all with it).
#
# measure_loudness FILE: prints "MAX_MOMENTARY_LUFS TRUE_PEAK_DBFS", each
# sound followed by half a second of silence so that the 400 ms window
# passes over all of it; nothing when the meter gives no reading.
measure_loudness() {
    ffmpeg -nostdin -nostats -hide_banner -v info -i "$1" \
        -af "apad=pad_dur=0.5,ebur128=peak=true" -f null - 2>&1 |
        awk '
            /TARGET:/ && match($0, /M: *-?[0-9.]+/) {
                s = substr($0, RSTART, RLENGTH)
                sub(/M: */, "", s)
                if (!n || s + 0 > m) m = s + 0
                n++
            }
            /True peak:/ { in_peak = 1 }
            in_peak && $1 == "Peak:" { tp = $2; in_peak = 0 }
            END { if (n && tp != "") printf "%.2f %s\n", m, tp }'
}
