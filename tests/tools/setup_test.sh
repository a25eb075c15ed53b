#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tools/setup.sh waits while another package manager holds a lock, says so, and fails on any other fault of
# apt-get. It runs in a scratch copy with stand-ins for apt-get, sudo (which, like sudo, clears the
# environment), dpkg-query (every package missing), cmake and ctest.   setup_test.sh SETUP_SH
# shellcheck disable=SC2016 # the stand-ins' own variables are written unexpanded
set -uo pipefail
top=$(mktemp -d)
trap 'rm -rf "$top"' EXIT
mkdir -p "$top/repo/tools" "$top/bin"
cp "$1" "$top/repo/tools/setup.sh"
# The stand-in apt-get logs "command lock-timeout DEBIAN_FRONTEND"; files in $STATE say which lock is held.
cat >"$top/bin/apt-get" <<'EOF'
#!/usr/bin/env bash
timeout=0
while [ "$1" = -o ]; do [[ $2 == DPkg::Lock::Timeout=* ]] && timeout=${2#*=}; shift 2; done
echo "$1 $timeout ${DEBIAN_FRONTEND:-unset}" >>"$STATE/apt.log"
left=$(cat "$STATE/lists-busy" 2>/dev/null || echo 0)
if [ "$1" = update ] && [ "$left" -gt 0 ]; then
    echo $((left - 1)) >"$STATE/lists-busy"
    echo "E: Could not get lock /var/lib/apt/lists/lock. It is held by process 4242 (apt-get)" >&2 && exit 100
fi
if [ "$1" = install ] && [ -e "$STATE/dpkg-busy" ] && [ "$timeout" -lt 1 ]; then
    echo "E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4242 (unattended-upgr)" >&2 && exit 100
fi
[ "$1" = install ] && [ -e "$STATE/unknown" ] && echo "E: Unable to locate package qt6-base-dev" >&2 && exit 100
exit 0
EOF
printf '#!/bin/sh\nexec env -i PATH="$PATH" STATE="$STATE" "$@"\n' >"$top/bin/sudo"
printf '#!/bin/sh\necho 1000\n' >"$top/bin/id"
printf '#!/bin/sh\necho "unknown ok not-installed"\n' >"$top/bin/dpkg-query"
printf '#!/bin/sh\necho "$*" >>"$STATE/build.log"\n' | tee "$top/bin/ctest" >"$top/bin/cmake"
chmod +x "$top/bin/"*

failures=0
# name | state file | lock wait | exit code 0 or fail | apt-get calls | what the output must say
for case in "the lists lock let go after two tries|lists-busy=2|30|0|update,update,update,install|waiting for it" \
    "the dpkg lock waited for by apt-get itself|dpkg-busy=1|30|0|update,install|" \
    "a lock held longer than the wait|lists-busy=1000|3|fail|update*|Could not get lock /var/lib/apt/lists/lock" \
    "another fault of apt-get is not waited for|unknown=1|30|fail|update,install|Unable to locate package"; do
    IFS='|' read -r name file wait expected calls text <<<"$case"
    export STATE="$top/state"
    rm -rf "$STATE" && mkdir "$STATE" && echo "${file#*=}" >"$STATE/${file%%=*}"
    output=$(cd "$top" && PATH="$top/bin:$PATH" TESSALINE_APT_LOCK_WAIT=$wait timeout 60 bash repo/tools/setup.sh test 2>&1)
    code=$?
    problems=()
    [ "$expected" = 0 ] && [ "$code" -ne 0 ] && problems+=("exit code $code")
    [ "$expected" = fail ] && [ "$code" -eq 0 ] && problems+=("exit code 0 for a failure")
    [ "$expected" = fail ] && [ -e "$STATE/build.log" ] && problems+=("went on to build after apt-get failed")
    [ "$expected" = 0 ] && ! grep -qs "^--build --preset ci" "$STATE/build.log" && problems+=("did not build")
    logged=$(cut -d' ' -f1 "$STATE/apt.log" | paste -sd, -)
    # shellcheck disable=SC2053 # the expected calls may be a pattern
    [[ $logged == $calls ]] || problems+=("apt-get calls $logged")
    grep -qv " noninteractive$" "$STATE/apt.log" && problems+=("DEBIAN_FRONTEND lost through sudo")
    grep -qF "$text" <<<"$output" || problems+=("the output does not say \"$text\"")
    grep -q "this waits for it, at most $wait seconds at a time" <<<"$output" || problems+=("the wait is not announced")
    if [ ${#problems[@]} -gt 0 ]; then
        failures=$((failures + 1))
        printf 'FAIL %s: %s\n%s\n' "$name" "$(IFS=';' && echo "${problems[*]}")" "$output"
    else
        echo "ok   $name"
    fi
done
[ "$failures" -eq 0 ]
