#!/usr/bin/env bash
# Runs a command on a display of its own: a fresh Xvfb (no window manager), a private
# D-Bus session bus and the accessibility bus with its registry, so that programs can
# be driven with XTest and read as a screen reader reads them.
#   scripts/with-display.sh CMD [ARGS...]
# Exports DISPLAY, DBUS_SESSION_BUS_ADDRESS, QT_QPA_PLATFORM=xcb and
# QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 for CMD, returns CMD's exit status and stops every
# process it started, by process id, however it ends.
set -euo pipefail

[ $# -gt 0 ] || { echo "usage: $0 CMD [ARGS...]" >&2; exit 2; }

timeout_s=${WITH_DISPLAY_TIMEOUT:-20}
work=$(mktemp -d "${TMPDIR:-/tmp}/with-display.XXXXXX")
pids=()

cleanup() {
    local pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill -TERM "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        # Children of this shell can be reaped; the forked bus daemon is not ours to wait on.
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# wait_for DESCRIPTION CMD...: polls CMD until it succeeds or the timeout runs out.
wait_for() {
    local what=$1 deadline=$((SECONDS + timeout_s))
    shift
    until "$@" >/dev/null 2>&1; do
        if ((SECONDS >= deadline)); then
            echo "with-display: timed out waiting for $what" >&2
            exit 1
        fi
        sleep 0.05
    done
}

# Xvfb chooses a free display number itself and writes it to the descriptor when it
# accepts connections, so two runs side by side never race for one number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for "Xvfb to report its display" test -s "$work/display"
export DISPLAY=":$(head -n1 "$work/display")"
wait_for "the X server on $DISPLAY" xdpyinfo

# The session bus forks into the background and prints its address and process id.
dbus-daemon --session --fork --nopidfile --print-address=4 --print-pid=5 \
    4>"$work/bus-address" 5>"$work/bus-pid"
wait_for "the session bus's process id" test -s "$work/bus-pid"
pids+=("$(head -n1 "$work/bus-pid")")
wait_for "the session bus's address" test -s "$work/bus-address"
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus-address")

XDG_RUNTIME_DIR="$work" /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/a11y.log" 2>&1 &
pids+=($!)
wait_for "the accessibility bus" dbus-send --session --print-reply --dest=org.a11y.Bus \
    /org/a11y/bus org.a11y.Bus.GetAddress
/usr/libexec/at-spi2-registryd >"$work/registry.log" 2>&1 &
pids+=($!)
wait_for "the accessibility registry" sh -c \
    'test "$(dbus-send --bus="$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus \
        /org/a11y/bus org.a11y.Bus.GetAddress | tr -d " ")" --print-reply \
        --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        string:org.a11y.atspi.Registry | tail -n1 | tr -s " ")" = " boolean true"'

export XDG_RUNTIME_DIR="$work"
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
status=0
"$@" || status=$?
exit "$status"
