#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The births of bench/batch.sh straight from the ephemeris library (bench/LibraryBatch.cpp, built where the
# library is installed): the ten bodies, the mean node and the angles, no margins, no texts. Reports CPU time
# and peak memory as batch.sh does, to set beside `bench/batch.sh TOOL ROWS --csv --precise`.
# Usage: bench/library-batch.sh PATH/TO/library_batch [ROWS]
#   bench/library-batch.sh build/release/bench/library_batch 100000
set -euo pipefail
program=${1:?usage: $0 PATH/TO/library_batch [ROWS]}
rows=${2:-100000}
csv=$(mktemp --suffix=.csv)
trap 'rm -f "$csv" "$csv.mem"' EXIT

# The same births as bench/batch.sh.
awk -v rows="$rows" 'BEGIN {
    print "name,date,time,zone,lon,lat,dst"
    for (i = 0; i < rows; i++) {
        printf "PERSON %c%c,%04d-%02d-%02d,%02d:%02d,%d,%d%s%d,%d%s%d,%d\n",
            65 + i % 26, 65 + int(i / 26) % 26, 1901 + i % 150, 1 + i % 12, 1 + i % 28, i % 24, i % 60,
            i % 71, i % 180, (i % 2 ? "E" : "W"), i % 60, i % 90, (i % 3 ? "N" : "S"), (i * 7) % 60, i % 2
    }
}' >"$csv"

start=$(date +%s.%N)
/usr/bin/time -f "%M %U %S" -o "$csv.mem" "$program" "$csv" >/dev/null
end=$(date +%s.%N)
read -r kilobytes user system <"$csv.mem"
printf 'library  rows: %d  wall time: %.3f s  CPU time: %.3f s  peak memory: %.1f MB\n' "$rows" \
    "$(echo "$end - $start" | bc)" "$(echo "$user + $system" | bc)" "$(echo "$kilobytes / 1024" | bc -l)"
