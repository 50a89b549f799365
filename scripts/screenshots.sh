#!/usr/bin/env bash
# Builds the screenshot tools and renders every dialog of the game and of the
# installer into screenshots/1x, screenshots/1.5x and screenshots/2x.
#   WINDOWS=1 scripts/screenshots.sh   the Windows build's dialogs as Wine shows them,
#                                      into screenshots/wine
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

if [ "${WINDOWS:-0}" = 1 ]; then
    cmake -S . -B build-windows --toolchain cmake/MinGW-w64-x86_64.cmake \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build-windows --parallel 2 --target setup_product
    export HOME="$PWD/build-windows/wine-home" WINEARCH=win64 WINEDEBUG=-all
    mkdir -p "$HOME"
    # shellcheck source=scripts/wine-prefix.sh
    . scripts/wine-prefix.sh
    prepare_wine_prefix "$PWD/build-windows/wine-display-prefix" x11
    WITH_DISPLAY_TIMEOUT=60 scripts/with-display.sh /usr/bin/python3 \
        tools/screenshot/wine_screenshots.py build-windows "$WINEPREFIX" screenshots/wine
    exit
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel 2 --target lettrino_screenshots setup_screenshots
# At the scale factors of common screens, each into a folder of its own: a layout
# that holds at 1x can still clip a line or lose a border at 1.5x or 2x.
for scale in 1 1.5 2; do
    mkdir -p "screenshots/${scale}x"
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale \
        build/bin/lettrino_screenshots "screenshots/${scale}x"
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale \
        build/bin/setup_screenshots "screenshots/${scale}x"
done
