#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times one place question of the chart tool, `--places paris`, as a script asks it before each placed
# chart: wall time over 100 runs (hyperfine when installed), then its peak memory.
# Usage: bench/places.sh PATH/TO/tessaline-chart [WORD]
set -euo pipefail
tool=${1:?usage: $0 PATH/TO/tessaline-chart [WORD]}
word=${2:-paris}

if command -v hyperfine >/dev/null; then
    hyperfine --style basic --warmup 5 --runs 100 -N "$tool --places $word"
else
    start=$(date +%s%N)
    for _ in $(seq 100); do "$tool" --places "$word" >/dev/null; done
    echo "wall time: $(( ($(date +%s%N) - start) / 100000 )) us per run (100 runs)"
fi
/usr/bin/time -f 'peak memory: %M KB, wall time %e s' "$tool" --places "$word" >/dev/null
