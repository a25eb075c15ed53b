#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every mode of the chart tool, with its standard output on a full device and closed: each must end with
# status 3 and one line on stderr naming the reason, never 0 with the output lost.
#   output_failure.sh TOOL
tool=$1
birth="--name ASHA --date 1975-06-15 --time 10:30 --zone 34 --lon 77E12 --lat 28N36"
[ -w /dev/full ] || { echo "SKIPPED: /dev/full is missing"; exit 0; }
err=$(mktemp)
batch=$(mktemp)
trap 'rm -f "$err" "$batch"' EXIT
printf 'name,date,time,zone,lon,lat,dst\nASHA,1975-06-15,10:30,34,77E12,28N36,0\n' >"$batch"
failures=0
check() { # how, expected reason, the tool's status, the options
    how=$1 reason=$2 status=$3
    shift 3
    lines=$(wc -l <"$err")
    if [ "$status" -ne 3 ] || [ "$lines" -ne 1 ] \
        || [ "$(cat "$err")" != "tessaline-chart: cannot write the output: $reason" ]; then
        echo "FAIL ($how) $*: status $status, stderr:"
        cat "$err"
        failures=$((failures + 1))
    fi
}
# shellcheck disable=SC2086 # the options are meant to split into words
for options in "$birth" "$birth --json" "$birth --html" "$birth --svg" "--batch $batch" "--batch $batch --json" "--batch -" \
    "--batch $batch --csv" "--zones" "--decanates" "--help" "--version" \
    "--ingresses --from 2024-01-01 --to 2024-01-31" "--ingresses --from 1901-01-01 --to 2050-12-31 --ics"; do
    "$tool" $options <"$batch" >/dev/full 2>"$err"
    check "full" "No space left on device" $? $options
    "$tool" $options <"$batch" >&- 2>"$err"
    check "closed" "Bad file descriptor" $? $options
done
[ "$failures" -eq 0 ] && echo "all modes report a failed output"
exit "$failures"
