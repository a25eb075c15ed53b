#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the chart tool on a generated batch whose rows name their place (a place column instead of lon,
# lat, zone) with --json to /dev/null, and reports its peak memory.
# Usage: bench/batch-places.sh PATH/TO/tessaline-chart [ROWS]
set -euo pipefail
tool=${1:?usage: $0 PATH/TO/tessaline-chart [ROWS]}
rows=${2:-100000}
csv=$(mktemp --suffix=.csv)
trap 'rm -f "$csv" "$csv.mem"' EXIT

# Births over the years and hours at places that the atlas resolves without doubt.
awk -v rows="$rows" 'BEGIN {
    split("London|Kolkata|Berlin|Kathmandu|Springfield Illinois|Sao Paulo|Amsterdam|Tokyo|Guadalajara Jalisco|Caracas", places, "|")
    print "name,date,time,place"
    for (i = 0; i < rows; i++)
        printf "PERSON %c%c,%04d-%02d-%02d,%02d:%02d,%s\n", 65 + i % 26, 65 + int(i / 26) % 26, 1901 + i % 150,
            1 + i % 12, 1 + i % 28, i % 24, i % 60, places[1 + i % 10]
}' >"$csv"

start=$(date +%s.%N)
/usr/bin/time -f "%M" -o "$csv.mem" "$tool" --batch "$csv" --json >/dev/null || true
end=$(date +%s.%N)
printf 'rows: %d  wall time: %.3f s  peak memory: %.1f MB\n' "$rows" "$(echo "$end - $start" | bc)" \
    "$(echo "$(cat "$csv.mem") / 1024" | bc -l)"
