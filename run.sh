#!/usr/bin/env bash
# Builds the word game and starts it. On a fresh Debian machine it first installs the
# packages the build needs. The game finds its dictionary (Lettrino.txt) and its help
# file (Lettrino.HLP) beside the program in build/bin/.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Only the game and what it links: the tests and benchmarks are test.sh's business.
cmake --build build --parallel "$jobs" --target Lettrino

program=build/bin/Lettrino
if [ ! -f "$program.txt" ]; then
    echo "run.sh: no dictionary at $program.txt; the game will report it and stop." >&2
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: no graphical display found (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
fi
exec "$program"
