#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the chart tool on a generated batch whose rows name their place (a place column instead of lon, lat,
# zone) with --json to /dev/null, then on the same births given by their coordinates and zone, and reports
# both with their CPU time (user and system, every thread's), peak memory and the ratios of the two.
# FORMAT chooses the output (default --json; FORMAT=--csv for the table).
# Usage: bench/batch-places.sh PATH/TO/tessaline-chart [ROWS [OPTIONS...]]   (e.g. --jobs 1)
set -euo pipefail
tool=${1:?usage: $0 PATH/TO/tessaline-chart [ROWS [OPTIONS...]]}
rows=${2:-100000}
shift $(($# < 2 ? $# : 2))
placed=$(mktemp --suffix=.csv)
coords=$(mktemp --suffix=.csv)
trap 'rm -f "$placed" "$coords" "$placed.mem"' EXIT

# Births over the years and hours at places that the atlas resolves without doubt; their twins give each
# place's coordinates (to the arc-minute, as the atlas's) and a zone row of its standard time (Kathmandu its
# exact offset).
awk -v rows="$rows" -v placed="$placed" -v coords="$coords" 'BEGIN {
    split("London|Kolkata|Berlin|Kathmandu|Springfield Illinois|Sao Paulo|Amsterdam|Tokyo|Guadalajara Jalisco|Caracas", places, "|")
    split("0W7,51N30|88E22,22N34|13E24,52N31|85E19,27N42|89W39,39N48|46W38,23S32|4E53,52N22|139E41,35N41|103W23,20N40|66W52,10N29", where, "|")
    split("29|34|20|+05:45|21|14|20|38|21|3", zones, "|")
    print "name,date,time,place" > placed
    print "name,date,time,zone,lon,lat,dst" > coords
    for (i = 0; i < rows; i++) {
        k = 1 + i % 10
        split(where[k], c, ",")
        birth = sprintf("PERSON %c%c,%04d-%02d-%02d,%02d:%02d", 65 + i % 26, 65 + int(i / 26) % 26, 1901 + i % 150,
                        1 + i % 12, 1 + i % 28, i % 24, i % 60)
        print birth "," places[k] > placed
        print birth "," zones[k] "," c[1] "," c[2] ",0" > coords
    }
}'

run() {
    /usr/bin/time -f "%e %U %S %M" -o "$placed.mem" "$tool" --batch "$1" "${FORMAT:---json}" "${@:2}" >/dev/null 2>&1 \
        || true
    read -r wall user system memory <"$placed.mem"
    echo "$wall $(echo "$user + $system" | bc) $(echo "$memory / 1024" | bc -l)"
}
read -r placedTime placedCpu placedMemory < <(run "$placed" "$@")
read -r coordsTime coordsCpu coordsMemory < <(run "$coords" "$@")
printf 'rows: %d  %s %s\n' "$rows" "${FORMAT:---json}" "$*"
printf '  by place:        wall time %.3f s  CPU time %.3f s  peak memory %.1f MB\n' "$placedTime" "$placedCpu" \
    "$placedMemory"
printf '  by coordinates:  wall time %.3f s  CPU time %.3f s  peak memory %.1f MB\n' "$coordsTime" "$coordsCpu" \
    "$coordsMemory"
printf '  by place / by coordinates: wall time %.2f  CPU time %.2f\n' "$(echo "$placedTime / $coordsTime" | bc -l)" \
    "$(echo "$placedCpu / $coordsCpu" | bc -l)"
