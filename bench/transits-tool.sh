#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What --transits adds to one chart's run of the chart tool: the median wall time of RUNS runs of the same chart
# without and with the sky around it, and their ratio (the sky must cost no more than a fifth more).
# Usage: bench/transits-tool.sh PATH/TO/tessaline-chart [RUNS]
#   bench/transits-tool.sh build/release/cli/tessaline-chart 300
set -euo pipefail
tool=${1:?usage: $0 PATH/TO/tessaline-chart [RUNS]}
runs=${2:-300}
chart=(--name "ASHA RAO" --date 1975-06-15 --time 10:30 --zone 34 --lon 77E12 --lat 28N36)

median_us() {
    local times=() start end
    for ((i = 0; i < runs; i++)); do
        start=$(date +%s%N)
        "$tool" "$@" >/dev/null
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

plain=$(median_us "${chart[@]}")
sky=$(median_us "${chart[@]}" --transits "2026-12-09 17:30")
awk -v p="$plain" -v s="$sky" 'BEGIN { printf "one chart: %d us; with --transits: %d us; ratio %.2f (limit 1.20)\n", p, s, s / p }'
