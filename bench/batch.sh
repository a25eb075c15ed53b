#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the chart tool on a generated 100,000-row batch written to /dev/null and reports its peak memory.
# Usage: bench/batch.sh PATH/TO/tessaline-chart [ROWS [OPTIONS...]]   (--json unless --csv is given)
#   bench/batch.sh build/release/cli/tessaline-chart 100000 --csv
#   bench/batch.sh build/release/cli/tessaline-chart 100000 --json --brief
#   bench/batch.sh build/release/cli/tessaline-chart 100000 --precise
set -euo pipefail
tool=${1:?usage: $0 PATH/TO/tessaline-chart [ROWS [OUTPUT OPTIONS...]]}
rows=${2:-100000}
shift $(($# < 2 ? $# : 2))
output=("$@")
[[ " ${output[*]} " == *" --csv "* || " ${output[*]} " == *" --json "* ]] || output=(--json "${output[@]}")
csv=$(mktemp --suffix=.csv)
trap 'rm -f "$csv"' EXIT

# Births spread over the years, hours, zones and both hemispheres.
awk -v rows="$rows" 'BEGIN {
    print "name,date,time,zone,lon,lat,dst"
    for (i = 0; i < rows; i++) {
        printf "PERSON %c%c,%04d-%02d-%02d,%02d:%02d,%d,%d%s%d,%d%s%d,%d\n",
            65 + i % 26, 65 + int(i / 26) % 26, 1901 + i % 150, 1 + i % 12, 1 + i % 28, i % 24, i % 60,
            i % 71, i % 180, (i % 2 ? "E" : "W"), i % 60, i % 90, (i % 3 ? "N" : "S"), (i * 7) % 60, i % 2
    }
}' >"$csv"

start=$(date +%s.%N)
/usr/bin/time -f "%M" -o "$csv.mem" "$tool" --batch "$csv" "${output[@]}" >/dev/null
end=$(date +%s.%N)
printf '%s  rows: %d  wall time: %.3f s  peak memory: %.1f MB\n' "${output[*]}" "$rows" "$(echo "$end - $start" | bc)" \
    "$(echo "$(cat "$csv.mem") / 1024" | bc -l)"
rm -f "$csv.mem"
