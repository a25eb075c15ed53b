#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine for QB Tessaline, builds it, and then either starts the program or runs
# every test headless.
#
#   tools/setup.sh run    install what is missing, build, start the program
#   tools/setup.sh test   install what is missing, build, run every test
set -euo pipefail

mode=${1:-}
case "$mode" in
run | test) ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

cd "$(dirname "$0")/.."

packages=(
    build-essential cmake clang clang-format clang-tidy python3
    libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev libcctz-dev tzdata libicu-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
    xvfb xauth fonts-dejavu-core poppler-utils desktop-file-utils appstream pkg-config
    # The chart tool's pictures are checked as other programs read them.
    libxml2-utils librsvg2-bin
    # The test that reads the desktop program over the accessibility bus, as a screen reader does.
    python3-pyatspi at-spi2-core dbus-x11 xdotool
    # Not for the programs, which carry the precise ephemeris as tables: the tests check the tables against
    # the library they were fitted to.
    libswe-dev swe-basic-data
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

# A desktop that updates itself holds the package manager's locks for minutes at a time. apt-get waits for
# the dpkg lock itself (DPkg::Lock::Timeout); a lock it does not wait for (the package lists' lock, taken
# by another `apt-get update`) is tried again every few seconds until the same time is up.
lock_wait=${TESSALINE_APT_LOCK_WAIT:-600}
if ! [[ $lock_wait =~ ^[0-9]{1,6}$ ]]; then
    echo "TESSALINE_APT_LOCK_WAIT must be a number of seconds, not \"$lock_wait\"" >&2
    exit 2
fi
apt_get() {
    local deadline=$((SECONDS + lock_wait)) errors status told=""
    errors=$(mktemp)
    while true; do
        status=0
        $sudo env DEBIAN_FRONTEND=noninteractive \
            apt-get -o DPkg::Lock::Timeout="$((deadline > SECONDS ? deadline - SECONDS : 0))" "$@" 2>"$errors" ||
            status=$?
        if [ "$status" -ne 0 ] && grep -q "Could not get lock" "$errors" && [ "$SECONDS" -lt "$deadline" ]; then
            if [ -z "$told" ]; then
                echo "Another package manager is busy (holding $(grep -o '/[^ .]*lock[^ .]*' "$errors" | head -n 1));" \
                    "waiting for it, at most $((deadline - SECONDS)) more seconds"
                told=yes
            fi
            sleep 2
            continue
        fi
        cat "$errors" >&2
        rm -f "$errors"
        return "$status"
    done
}

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing: ${missing[*]}"
    echo "(If another package manager is busy, as when the system updates itself, this waits for it, at most" \
        "$lock_wait seconds at a time.)"
    apt_get update -qq
    apt_get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)
if [ "$mode" = test ]; then
    # The optimised build with warnings as errors, its format and static checks, every test headless.
    cmake --preset ci
    cmake --build --preset ci -j "$jobs"
    cmake --build --preset ci --target format-check
    cmake --build --preset ci --target tidy
    QT_QPA_PLATFORM=offscreen ctest --preset ci
    # Every test again under AddressSanitizer and UndefinedBehaviorSanitizer. The leak checker's
    # tracer crashes on exit reading the dynamic TLS of a library loaded at run time (libjpeg, pulled
    # in by Qt's image plugins whenever a PNG is read) under this glibc, so dynamic TLS is not
    # tracked; static TLS, stacks and the heap are still scanned.
    cmake --preset asan
    cmake --build --preset asan -j "$jobs"
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0 \
        LSAN_OPTIONS=suppressions="$PWD/tools/lsan.supp" UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --preset asan
    exit 0
fi

# The two programs and what installing them needs; the tests and benchmarks are left out.
cmake --preset programs
cmake --build --preset programs -j "$jobs"
exec build/programs/desktop/tessaline
