#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The chart tool's pictures as other programs read them: each is valid XML to xmllint and renders in
# librsvg; the wheel's <desc> names the same fourteen positions as --json, in both zodiacs.
#   svg_check.sh TOOL
tool=$1
command -v xmllint >/dev/null || { echo "SKIPPED: xmllint (libxml2-utils) is missing"; exit 0; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
chart() {
    "$tool" --name "ASHA RAO" --date 1975-06-15 --time 10:30 --zone 34 --lon 77E12 --lat 28N36 "$@"
}
picture_ok() { # file: parses, and renders where librsvg is installed
    xmllint --noout "$1" || fail "$1 is not well-formed"
    if command -v rsvg-convert >/dev/null; then
        rsvg-convert -o "$dir/rendered.png" "$1" || fail "librsvg cannot render $1"
    fi
}
for zodiac in tropical sidereal; do
    chart --zodiac $zodiac --svg >"$dir/wheel-$zodiac.svg" || fail "--svg ($zodiac) exits $?"
    chart --zodiac $zodiac --json >"$dir/chart-$zodiac.json" || fail "--json ($zodiac) exits $?"
    picture_ok "$dir/wheel-$zodiac.svg"
    # "Sun 23 Gem 29, third decanate ..." in the description is "Sun": "23 Gem 29" in the JSON.
    xmllint --xpath '//*[local-name()="desc"]/text()' "$dir/wheel-$zodiac.svg" \
        | sed -n 's/^\([A-Za-z]*\) \([0-9][0-9] [A-Z][a-z][a-z] [0-9][0-9]\),.*/"\1": "\2"/p' >"$dir/desc"
    [ "$(wc -l <"$dir/desc")" -eq 14 ] || fail "$zodiac <desc> names $(wc -l <"$dir/desc") points, not 14"
    while read -r position; do
        grep -qF "$position" "$dir/chart-$zodiac.json" || fail "$zodiac: $position is not in --json"
    done <"$dir/desc"
done
for style in south north; do
    chart --svg --drekkana $style >"$dir/$style.svg" || fail "--drekkana $style exits $?"
    picture_ok "$dir/$style.svg"
done
[ "$failures" -eq 0 ] && echo "every picture parses, renders and says what --json says"
exit "$failures"
