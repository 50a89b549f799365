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
    wine=/usr/lib/wine/wine64
    # Makes the Wine prefix $1 ready and leaves its server running; with "null" as $2
    # its windows live on Wine's null graphics driver, as Qt's run on its offscreen
    # platform: they are made, take messages and draw, without a display.
    prepare_wine_prefix() {
        export WINEPREFIX="$1"
        mkdir -p "$WINEPREFIX"
        # Wine's server is started first and detached from every pipe: CTest waits for
        # the end of each test's output, which a server started by the first test would
        # hold open for good. A server already running for this prefix (status 2)
        # serves as well.
        setsid /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 || [ $? -eq 2 ]
        setsid "$wine" wineboot </dev/null >/dev/null 2>&1
        # A Windows has its standard faces (Tahoma, MS Sans Serif, System, Marlett for
        # the window buttons) in its Fonts folder; Debian's Wine keeps its own apart,
        # where a prefix does not look.
        cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
        if [ "$2" = null ]; then
            # Wine's desktop takes its driver when it starts, so Wine starts anew once
            # the prefix holds the setting.
            setsid "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f \
                </dev/null >/dev/null 2>&1
            /usr/lib/wine/wineserver -k || true
            /usr/lib/wine/wineserver -w
            setsid /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1
            setsid "$wine" wineboot </dev/null >/dev/null 2>&1
        fi
        # The desktop of a real Windows is a folder of the user's, not a link out of the
        # profile, and the installer treats a link there as a link.
        local desktop
        desktop="$WINEPREFIX/drive_c/users/$(id -un)/Desktop"
        if [ -L "$desktop" ]; then
            rm "$desktop"
            mkdir "$desktop"
        fi
    }
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
