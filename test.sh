#!/usr/bin/env bash
# Builds everything and runs the whole test suite.
#   ./test.sh              plain build in build/
#   SANITIZE=1 ./test.sh   the same suite built with ASan and UBSan, in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh

if [ "${SANITIZE:-0}" = 1 ]; then
    build_dir=build-sanitize
    options=(-DSANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
    # Qt keeps some allocations until exit on purpose; leak reports would only be noise.
    export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
else
    build_dir=build
    options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build_dir" "${options[@]}"
cmake --build "$build_dir" --parallel "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build_dir" --output-on-failure --parallel "$jobs"
