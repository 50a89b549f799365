#!/usr/bin/env bash
# Builds everything and runs the whole test suite.
#   ./test.sh              plain build in build/
#   SANITIZE=1 ./test.sh   the same suite built with ASan and UBSan, in build-sanitize/
#   BUILD_TYPE=Release ./test.sh
#                          the suite of another build type, in build-release/ (the
#                          lower-case type); the plain build is RelWithDebInfo
#   WINDOWS=1 ./test.sh    the Windows build (MinGW-w64) in build-windows/, its tests
#                          run under Wine
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)

if [ "${WINDOWS:-0}" = 1 ]; then
    build_dir=build-windows
    cmake -S . -B "$build_dir" --toolchain cmake/MinGW-w64-x86_64.cmake \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWARNINGS_AS_ERRORS=ON
    cmake --build "$build_dir" --parallel "$jobs"
    export HOME="$PWD/$build_dir/wine-home"
    export WINEARCH=win64 WINEDEBUG=-all
    export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml="
    mkdir -p "$HOME/Desktop"
    # shellcheck source=scripts/wine-prefix.sh
    . scripts/wine-prefix.sh
    # The real-display scenario's prefix: Wine's virtual desktop on an X server.
    prepare_wine_prefix "$PWD/$build_dir/wine-display-prefix" x11
    # Wine keeps its own Windows in a prefix of the build folder, made on the first
    # run, so that no test touches the user's own. The desktop integration stays off:
    # a shortcut a test writes must not land in the host's menus. A new prefix links its
    # Desktop and Documents to the home folder (to the home folder itself without a
    # Desktop there): Wine gets a scratch home of its own.
    prepare_wine_prefix "$PWD/$build_dir/wine-prefix" null
    # Now and then a Wine process dies while Wine starts it, before the test program
    # runs (no output, a few milliseconds); such a test is run once more. A test that
    # fails on its own fails both times.
    ctest --test-dir "$build_dir" --output-on-failure --parallel "$jobs" --repeat until-pass:2
    exit
fi

if [ "${SANITIZE:-0}" = 1 ]; then
    build_dir=build-sanitize
    options=(-DSANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
    # Qt keeps some allocations until exit on purpose; leak reports would only be noise.
    export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
elif [ -n "${BUILD_TYPE:-}" ] && [ "$BUILD_TYPE" != RelWithDebInfo ]; then
    build_dir=build-${BUILD_TYPE,,}
    options=(-DCMAKE_BUILD_TYPE="$BUILD_TYPE")
else
    build_dir=build
    # The benchmarks are built so that they keep building; bench/README.md runs them.
    options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_BENCHMARKS=ON)
fi

# Our own builds hold warnings as errors; a packager's build does not.
cmake -S . -B "$build_dir" "${options[@]}" -DWARNINGS_AS_ERRORS=ON -DBUILD_TESTING=ON
cmake --build "$build_dir" --parallel "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build_dir" --output-on-failure --parallel "$jobs"
