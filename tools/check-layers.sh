#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every include of the source folders points down: a folder includes itself and the layers below it, never
# one beside it or above it, and Qt is included in desktop/ alone (and in the one file where the chart tool
# draws its pictures as PNG, cli/PngModule.cpp, through Qt's SVG renderer). Prints each offending line as
# file:line and exits 1 when there is one.
#
#   tools/check-layers.sh [top folder]   (default: the repository this script lives in)
set -uo pipefail

top=${1:-"$(dirname "$0")/.."}
cd "$top" || exit 2

# Layer of each source folder, lowest first. Folders on one layer must not include each other.
declare -A layer=(
    [base]=0
    [ephemeris]=1
    [chart]=2
    [decanates]=3 [atlas]=3
    [report]=4
    [cli]=5 [desktop]=5
)

status=0
complain() {
    echo "$1: $2" >&2
    status=1
}

for folder in "${!layer[@]}"; do
    [ -d "$folder" ] || continue
    while IFS= read -r hit; do
        file=${hit%%:*}
        rest=${hit#*:}
        line=${rest%%:*}
        text=${rest#*:}
        if [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*[\<\"]([^\>\"]+)[\>\"] ]]; then
            target=${BASH_REMATCH[1]}
        else
            continue
        fi
        # Qt: by module folder (<QtWidgets/QWidget>), by class (<QWidget>) or a Qt header file (qglobal.h).
        if [[ $target =~ ^Qt[A-Za-z]*/ || $target =~ ^Q[A-Z][A-Za-z]*$ || $target =~ ^q[a-z]+\.h$ ]]; then
            [ "$folder" = desktop ] || [ "$file" = cli/PngModule.cpp ] \
                || complain "$file:$line" "Qt is included outside desktop/: $target"
            continue
        fi
        own=${target%%/*}
        [ "$own" = "$target" ] && continue # a system or library header
        [ -n "${layer[$own]+set}" ] || continue
        if [ "$own" != "$folder" ] && [ "${layer[$own]}" -ge "${layer[$folder]}" ]; then
            if [ "${layer[$own]}" -eq "${layer[$folder]}" ]; then
                complain "$file:$line" "$folder/ includes $own/, a folder beside it on its own layer: $target"
            else
                complain "$file:$line" "$folder/ includes $own/, a layer above it: $target"
            fi
        fi
    done < <(grep -rnE --include='*.h' --include='*.cpp' --include='*.hpp' --include='*.cc' \
        '^[[:space:]]*#[[:space:]]*include' "$folder" 2>/dev/null)
done

[ "$status" -eq 0 ] && echo "Layers: every include points down"
exit "$status"
