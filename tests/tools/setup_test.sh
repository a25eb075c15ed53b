#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tools/setup.sh waits while another package manager holds a lock, says so, and fails on any other fault of
# apt-get. It runs in a scratch copy with stand-ins for apt-get, sudo (which, like sudo, clears the
# environment), dpkg-query (every package missing), cmake and ctest.
#
#   setup_test.sh SETUP_SH
set -uo pipefail

setup=$1
top=$(mktemp -d)
trap 'rm -rf "$top"' EXIT
mkdir -p "$top/repo/tools" "$top/bin"
cp "$setup" "$top/repo/tools/setup.sh"

cat >"$top/bin/apt-get" <<'EOF'
#!/usr/bin/env bash
# Logs "command timeout frontend"; simulates the locks that the files in $STATE describe.
timeout=0
while [ "$1" = -o ]; do
    case "$2" in DPkg::Lock::Timeout=*) timeout=${2#*=} ;; esac
    shift 2
done
echo "$1 $timeout ${DEBIAN_FRONTEND:-unset}" >>"$STATE/apt.log"
if [ "$1" = update ] && [ -s "$STATE/lists-busy" ]; then
    left=$(cat "$STATE/lists-busy")
    if [ "$left" -gt 0 ]; then
        echo $((left - 1)) >"$STATE/lists-busy"
        echo "E: Could not get lock /var/lib/apt/lists/lock. It is held by process 4242 (apt-get)" >&2
        echo "E: Unable to lock directory /var/lib/apt/lists/" >&2
        exit 100
    fi
fi
if [ "$1" = install ] && [ -e "$STATE/dpkg-busy" ] && [ "$timeout" -lt 1 ]; then
    echo "E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4242 (unattended-upgr)" >&2
    exit 100
fi
if [ "$1" = install ] && [ -e "$STATE/unknown-package" ]; then
    echo "E: Unable to locate package qt6-base-dev" >&2
    exit 100
fi
exit 0
EOF
cat >"$top/bin/sudo" <<'EOF'
#!/bin/sh
exec env -i PATH="$PATH" STATE="$STATE" "$@"
EOF
printf '#!/bin/sh\necho 1000\n' >"$top/bin/id"
printf '#!/bin/sh\necho "unknown ok not-installed"\n' >"$top/bin/dpkg-query"
# shellcheck disable=SC2016 # expanded by the stand-ins, not here
printf '#!/bin/sh\necho "$*" >>"$STATE/cmake.log"\n' >"$top/bin/cmake"
# shellcheck disable=SC2016
printf '#!/bin/sh\necho "ctest $*" >>"$STATE/cmake.log"\n' >"$top/bin/ctest"
chmod +x "$top/bin/"*

failures=0
# name | state files to create (file=content) | lock wait | expected exit (0 or fail) | apt calls logged | text the output must hold
cases=(
    "the lists lock let go after two tries|lists-busy=2|30|0|update,update,update,install|waiting for it"
    "the dpkg lock waited for by apt-get itself|dpkg-busy=1|30|0|update,install|"
    "a lock held longer than the wait|lists-busy=1000|3|fail|update*|Could not get lock /var/lib/apt/lists/lock"
    "another fault of apt-get is not waited for|unknown-package=1|30|fail|update,install|Unable to locate package"
)
for case in "${cases[@]}"; do
    IFS='|' read -r name files wait expected calls text <<<"$case"
    export STATE="$top/state"
    rm -rf "$STATE" && mkdir "$STATE"
    for file in ${files//,/ }; do echo "${file#*=}" >"$STATE/${file%%=*}"; done
    output=$(cd "$top" && PATH="$top/bin:$PATH" TESSALINE_APT_LOCK_WAIT=$wait timeout 60 bash repo/tools/setup.sh test 2>&1)
    code=$?
    problems=()
    if [ "$expected" = 0 ] && [ "$code" -ne 0 ]; then problems+=("exit code $code"); fi
    if [ "$expected" = fail ] && [ "$code" -eq 0 ]; then problems+=("exit code 0 for a failure"); fi
    if [ "$expected" = fail ] && [ -e "$STATE/cmake.log" ]; then problems+=("went on to build after apt-get failed"); fi
    if [ "$expected" = 0 ] && ! grep -q "^--build --preset ci" "$STATE/cmake.log" 2>/dev/null; then problems+=("did not build"); fi
    logged=$(cut -d' ' -f1 "$STATE/apt.log" | paste -sd, -)
    # shellcheck disable=SC2053 # the expected calls may be a pattern
    [[ $logged == $calls ]] || problems+=("apt-get calls $logged, expected $calls")
    if grep -qv " noninteractive$" "$STATE/apt.log"; then problems+=("apt-get ran without DEBIAN_FRONTEND through sudo"); fi
    if [ -n "$text" ] && ! grep -qF "$text" <<<"$output"; then problems+=("the output does not say \"$text\""); fi
    if ! grep -q "this waits for it, at most $wait seconds at a time" <<<"$output"; then problems+=("the wait is not announced"); fi
    if [ ${#problems[@]} -gt 0 ]; then
        failures=$((failures + 1))
        printf 'FAIL %s: %s\n%s\n' "$name" "$(IFS=';' && echo "${problems[*]}")" "$output"
    else
        echo "ok   $name"
    fi
done
[ "$failures" -eq 0 ]
