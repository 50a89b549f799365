#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need, when
# any of them is missing. Nothing is downloaded from anywhere else.
#   scripts/install-deps.sh run         only what building and running the programs
#                                       needs (run.sh), without the test tools
#   WINDOWS=1 scripts/install-deps.sh   what the Windows build needs instead: the
#                                       MinGW-w64 cross compiler, GoogleTest's sources
#                                       and Debian's 64-bit Wine to run the tests,
#                                       an X server and xdotool for its real-display
#                                       scenario, xwd and netpbm for its screenshots
set -euo pipefail

if [ "${WINDOWS:-0}" = 1 ]; then
    packages=(cmake make g++-mingw-w64-x86-64-posix googletest wine64 fonts-wine
              xvfb x11-utils xdotool dbus at-spi2-core python3 x11-apps netpbm)
elif [ "${1:-}" = run ]; then
    packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev fonts-dejavu-core)
else
packages=(
    cmake g++ make pkg-config
    qt6-base-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev
    wamerican wamerican-huge
    desktop-file-utils
    dpkg-dev file lintian appstream
    fonts-dejavu-core
    xvfb x11-utils xdotool dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0
)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
else
    sudo=(sudo)
fi
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
