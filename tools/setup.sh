#!/usr/bin/env bash
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
    build-essential cmake clang clang-format clang-tidy
    libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
    xvfb xauth fonts-dejavu-core poppler-utils desktop-file-utils appstream
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)
if [ "$mode" = test ]; then
    cmake --preset ci
    cmake --build --preset ci -j "$jobs"
    cmake --build --preset ci --target format-check
    QT_QPA_PLATFORM=offscreen ctest --preset ci
    exit 0
fi

cmake --preset release
cmake --build --preset release -j "$jobs"
if [ -x build/release/ui/tessaline ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "QB Tessaline is a desktop program and this session has no display."
        echo "Start it under a virtual display with:  xvfb-run -a build/release/ui/tessaline"
        echo "or use the command-line tool:           build/release/cli/tessaline-chart --help"
        exit 1
    fi
    exec build/release/ui/tessaline
fi
# Without the desktop program, an example chart from the command-line tool.
exec build/release/cli/tessaline-chart --name "ASHA RAO" --date 1975-06-15 --time 10:30 --zone 34 \
    --lon 77E12 --lat 28N36
