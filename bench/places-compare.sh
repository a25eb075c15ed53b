#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compares the places two builds of the chart tool list for the same queries (`--places Q --json`): every
# prefix of one to six letters of the names, other names and labels of a sample of the atlas's places, their
# names followed by region or country words, and the examples of the README. Prints each query whose
# answers differ, then a count; exits 1 when any does.
#
#   bench/places-compare.sh OLD_TOOL NEW_TOOL [EVERY]    (EVERY: sample one place in EVERY, default 700)
#
# OLD_ATLAS and NEW_ATLAS, when set, are given to the two tools as TESSALINE_ATLAS (an older tool reads the
# text atlas: OLD_ATLAS=data/atlas/atlas.tsv).
set -euo pipefail
old=${1:?usage: $0 OLD_TOOL NEW_TOOL [EVERY]}
new=${2:?usage: $0 OLD_TOOL NEW_TOOL [EVERY]}
every=${3:-700}
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$here/data/atlas/atlas.tsv" "$every" >"$work/queries" <<'EOF'
import sys
lines = open(sys.argv[1], encoding='utf-8').read().split('\n')
every = int(sys.argv[2])
at = {l.split('\t')[0]: i for i, l in enumerate(lines) if '\t' in l and l.split('\t')[0] in
      ('zones', 'countries', 'regions', 'fold', 'places')}
countries = [l.split('\t')[1] for l in lines[at['countries'] + 1:at['regions']]]
regions = [l.split('\t')[1] for l in lines[at['regions'] + 1:at['fold']]]
queries = ['paris', 'springfield', 'springfield illinois', 'Springfield, Illinois', 'New Delhi', 'kathmandu',
           'zurich', 'Zürich', 'calcutta', 'bombay', 'lodz', 'ŁÓDŹ', 'sao paulo', 'koln', 'koeln', 'cologne',
           'paris texas', 'london', 'Saint-Étienne', 'st petersburg', 'new york', 'guadalajara jalisco', 's',
           'a', 'sa', 'san', 'x', 'Москва', '北京', '', '  ', ',', 'qqqxzzv']
places = [l.split('\t') for l in lines[at['places'] + 1:] if l]
for f in places[::every]:
    names = [f[0]] + [a for a in f[1].split('|') if a]
    for name in names[:3]:
        queries += [name[:n] for n in range(1, 7)] + [name]
    region = regions[int(f[3])] if f[3] else ''
    queries += [f'{f[0]} {region}'.strip(), f'{f[0]}, {countries[int(f[2])]}', f'{f[0][:4]} {region[:3]}'.strip()]
seen = set()
for q in queries:
    if q not in seen and '\n' not in q:
        seen.add(q)
        print(q)
EOF
echo "$(wc -l <"$work/queries") queries" >&2

run() { # tool atlas query
    if [ -n "$2" ]; then TESSALINE_ATLAS=$2 "$1" --places "$3" --json 2>&1; else "$1" --places "$3" --json 2>&1; fi
    echo "exit $?"
}
differ=0
while IFS= read -r query; do
    run "$old" "${OLD_ATLAS:-}" "$query" >"$work/old" || true
    run "$new" "${NEW_ATLAS:-}" "$query" >"$work/new" || true
    if ! cmp -s "$work/old" "$work/new"; then
        differ=$((differ + 1))
        echo "differs: [$query]"
        diff "$work/old" "$work/new" | head -20 || true
    fi
done <"$work/queries"
echo "$differ of $(wc -l <"$work/queries") queries differ"
[ "$differ" -eq 0 ]
