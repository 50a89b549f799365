#!/usr/bin/env bash
# Runs a test program as an ordinary user when started as root, for the checks that
# root's rights would pass without looking: a folder's access rights, a file of
# another group, a program folder the player cannot write to.
#   scripts/unprivileged.sh PROGRAM [ARGUMENTS...]
# As root the program runs as nobody, with the group "users" as a second group of
# its own and a scratch home; otherwise it runs as it is. Here a test may not skip:
# each one run this way exists to be checked. Status 77: the program is out of the
# ordinary user's reach, and nothing was run.
set -euo pipefail

if [ "$(id -u)" -eq 0 ]; then
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    chown nobody:nogroup "$home"
    unset XDG_RUNTIME_DIR XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME
    export HOME=$home TMPDIR=$home
    set -- setpriv --reuid=nobody --regid=nogroup --groups=nogroup,users --inh-caps=-all "$@"
    # A build below a folder closed to others (root's home, say) is out of nobody's
    # reach: the test is reported as skipped (77, which CTest is told) rather than
    # passed or run with root's rights.
    if ! "${@:1:5}" test -x "$6"; then
        echo "unprivileged.sh: skipped: the user nobody cannot reach $6" >&2
        exit 77
    fi
fi
status=0
output=$("$@" 2>&1) || status=$?
printf '%s\n' "$output"
if grep -q '^\[  SKIPPED \]' <<<"$output"; then
    echo "unprivileged.sh: a test skipped where it must run" >&2
    exit 1
fi
exit "$status"
