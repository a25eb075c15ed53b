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
[ "$failures" -eq 0 ]
