# Sourced by test.sh and screenshots.sh: prepare_wine_prefix makes a Wine prefix ready
# for the Windows build's programs. Expects HOME, WINEARCH and WINEDEBUG set.
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
