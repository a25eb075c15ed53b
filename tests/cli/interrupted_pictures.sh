#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A batch writing its pictures, interrupted as a person or a system would (Ctrl+C, kill, a closed terminal):
# it ends as the signal says and leaves no half-written picture; the next run into the folder clears what an
# older run left, and only that.
#   interrupted_pictures.sh TOOL
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
batch=$work/births.csv
pictures=$work/pictures
echo "name,date,time,zone,lon,lat,dst" >"$batch"
seq 1901 2050 | awk '{ for (i = 0; i < 200; i++) printf "X,%d-06-15,10:30,34,77E12,28N36,0\n", $1 }' >>"$batch"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
leftovers() {
    find "$pictures" -name '.line-*.svg.*' ! -name '*.kept' ! -name ".line-5.svg.$$.QwErTy" | head -3
}

mkdir "$pictures"
# An older version's temporary, one of a process that is gone, one of a process that runs (this shell), and a
# file that is not the tool's.
touch "$pictures/.line-3.svg.AbC123" "$pictures/.line-4.svg.999999999.xYz789" "$pictures/.line-5.svg.$$.QwErTy" \
    "$pictures/.line-6.svg.kept"
head -3 "$batch" | "$tool" --batch - --svg --svg-dir "$pictures" --jobs 1 >/dev/null 2>&1
[ -e "$pictures/.line-3.svg.AbC123" ] && fail "an older version's temporary picture was kept"
[ -e "$pictures/.line-4.svg.999999999.xYz789" ] && fail "a temporary picture of a process that is gone was kept"
[ -e "$pictures/.line-5.svg.$$.QwErTy" ] || fail "the temporary picture of a running process was removed"
[ -e "$pictures/.line-6.svg.kept" ] || fail "a file that is not the tool's was removed"

for signal in INT TERM HUP; do
    for attempt in 1 2 3; do
        rm -f "$pictures"/line-*.svg
        # A shell starts a job in the background with SIGINT ignored; a person's Ctrl+C finds it in force.
        env --default-signal="$signal" "$tool" --batch "$batch" --svg --svg-dir "$pictures" --jobs 2 >/dev/null 2>&1 &
        pid=$!
        # Once pictures are being written, interrupt it in the middle of one, as likely as not.
        while [ ! -e "$pictures/line-200.svg" ] && kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
        kill -s "$signal" "$pid"
        wait "$pid"
        status=$?
        [ "$status" -gt 128 ] || fail "SIG$signal: status $status, not ended by the signal"
        [ -z "$(leftovers)" ] || fail "SIG$signal left $(leftovers)"
    done
done
[ "$failures" -eq 0 ]
