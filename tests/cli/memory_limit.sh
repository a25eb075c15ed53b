#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The chart tool under tight memory limits, a batch charted on every core and one naming its places: it may
# refuse, but always with its own words and an exit status below 128, never an abort (a worker thread the
# system cannot give, memory running out inside one).
#   memory_limit.sh TOOL
tool=$1
if ldd "$tool" | grep -q 'libasan'; then
    echo "SKIPPED: a sanitizer reserves more address space than any limit tried here"
    exit 0
fi
batch=$(mktemp)
placed=$(mktemp)
err=$(mktemp)
trap 'rm -f "$batch" "$placed" "$err"' EXIT
printf 'name,date,time,zone,lon,lat,dst\nASHA,1975-06-15,10:30,34,77E12,28N36,0\n' >"$batch"
printf 'name,date,time,place\nASHA,1990-06-15,10:00,Kathmandu\nBEN,1940-06-01,12:00,Tonga\n' >"$placed"
failures=0
for limit in 45000 50000 55000 60000 65000 70000 80000 100000; do
    for options in "--batch $batch --csv --jobs 4" "--batch $placed --json" "--places paris"; do
        # shellcheck disable=SC2086 # the options are meant to split into words
        (ulimit -v "$limit" && exec "$tool" $options) >/dev/null 2>"$err"
        status=$?
        if [ "$status" -ge 128 ] || grep -q 'terminate called\|what():' "$err"; then
            echo "FAIL (ulimit -v $limit) $options: status $status, stderr:"
            cat "$err"
            failures=$((failures + 1))
        fi
    done
done

# Many workers under a limit that cannot hold them all (64 at 400 MB, 16 at 200 MB, the default of a 16-core
# computer): the charts come out, from as many workers as fit.
rows=$(mktemp)
trap 'rm -f "$batch" "$placed" "$err" "$rows"' EXIT
echo "name,date,time,zone,lon,lat,dst" >"$rows"
seq 1901 2050 | awk '{ for (i = 0; i < 14; i++) printf "X,%d-06-15,10:30,34,77E12,28N36,0\n", $1 }' >>"$rows"
for limit_jobs in 400000:64 200000:16 200000:1024; do
    limit=${limit_jobs%:*}
    jobs=${limit_jobs#*:}
    lines=$( (ulimit -v "$limit" && exec "$tool" --batch "$rows" --json --jobs "$jobs") 2>"$err" | wc -l)
    if [ "$lines" -ne 2100 ] || ! grep -q '2100 charts written' "$err"; then
        echo "FAIL (ulimit -v $limit) --jobs $jobs: $lines charts, stderr:"
        cat "$err"
        failures=$((failures + 1))
    fi
done

# Too little memory for the place atlas fails the run, not the rows that name a place: one line, status 4,
# whatever the number of jobs.
for jobs in 1 2 8; do
    out=$( (ulimit -v 50000 && exec "$tool" --batch "$placed" --json --jobs "$jobs") 2>"$err")
    status=$?
    if [ "$status" -ne 4 ] || [ -n "$out" ] || [ "$(wc -l <"$err")" -ne 1 ] || ! grep -q 'not enough memory' "$err"; then
        echo "FAIL (ulimit -v 50000) placed batch --jobs $jobs: status $status, stdout \"$out\", stderr:"
        cat "$err"
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ]
