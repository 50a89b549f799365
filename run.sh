#!/usr/bin/env bash
# Builds one of the programs and starts it. On a fresh Debian machine it first
# installs the packages the build needs.
#   ./run.sh          the word game, from build/bin/ beside its dictionary
#                     (Lettrino.txt) and help file (Lettrino.HLP)
#   ./run.sh setup    the installer, from the product folder build/product/ beside
#                     the SETUP.INI that drives it
set -euo pipefail
cd "$(dirname "$0")"

which=${1:-Lettrino}
case "$which" in
    Lettrino | lettrino) target=Lettrino; program=build/bin/Lettrino ;;
    setup) target=setup_product; program=build/product/setup ;;
    *) echo "usage: $0 [setup]" >&2; exit 2 ;;
esac

bash scripts/install-deps.sh run

jobs=$(nproc 2>/dev/null || echo 2)
# The suite's own tools need not be installed to play: test.sh turns it back on.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
# Only the program and what it links: the tests and benchmarks are test.sh's business.
cmake --build build --parallel "$jobs" --target "$target"

if [ "$target" = Lettrino ] && [ ! -f "$program.txt" ]; then
    echo "run.sh: no dictionary at $program.txt; the game will report it and stop." >&2
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: no graphical display found (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
fi
exec "$program"
