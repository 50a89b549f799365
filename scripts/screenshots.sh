#!/usr/bin/env bash
# Builds the screenshot tools and renders every dialog of the game and of the
# installer into screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel 2 --target lettrino_screenshots setup_screenshots
mkdir -p screenshots
QT_QPA_PLATFORM=offscreen build/bin/lettrino_screenshots screenshots
QT_QPA_PLATFORM=offscreen build/bin/setup_screenshots screenshots
