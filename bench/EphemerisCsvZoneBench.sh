#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The CSV of the largest ephemeris (732 days of 5-minute steps, 11 bodies) in
# Europe/Madrid against the fixed offset +1, written to /dev/null by
# kalto-cli: the best of RUNS wall-clock times of each, in seconds.
# Usage: bench/EphemerisCsvZoneBench.sh build/release/cli/kalto-cli [RUNS]
set -eu
cli=$1
runs=${2:-3}
span="efemerides --desde 2026-01-01 --hasta 2028-01-02 --cada 5"
best() {
    best=
    i=0
    while [ "$i" -lt "$runs" ]; do
        start=$(date +%s.%N)
        # shellcheck disable=SC2086
        "$cli" $span "$@" >/dev/null 2>&1
        end=$(date +%s.%N)
        best=$(echo "$start $end ${best:-}" | awk '{t = $2 - $1; if ($3 == "" || t < $3) print t; else print $3}')
        i=$((i + 1))
    done
    echo "$best"
}
fixed=$(best --tz 1)
named=$(best --zona Europe/Madrid)
echo "fixed offset +1:  $fixed s"
echo "Europe/Madrid:    $named s"
echo "$fixed $named" | awk '{printf "named / fixed:    %+.1f%%\n", ($2 / $1 - 1) * 100}'
