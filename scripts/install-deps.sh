#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need, when
# any of them is missing. Nothing is downloaded from anywhere else.
set -euo pipefail

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
