#!/usr/bin/env bash
# Runs a test program as an ordinary user when started as root, for the checks that
# root's rights would pass without looking: a folder's access rights, a file of
# another group, a program folder the player cannot write to.
#   scripts/unprivileged.sh PROGRAM [ARGUMENTS...]
# As root the program runs as nobody, with the group "users" as a second group of
# its own and a scratch home; otherwise it runs as it is. Here a test may not skip:
# each one run this way exists to be checked.
set -euo pipefail

if [ "$(id -u)" -eq 0 ]; then
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    chown nobody:nogroup "$home"
    unset XDG_RUNTIME_DIR XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME
    export HOME=$home TMPDIR=$home
    set -- setpriv --reuid=nobody --regid=nogroup --groups=nogroup,users --inh-caps=-all "$@"
fi
status=0
output=$("$@" 2>&1) || status=$?
printf '%s\n' "$output"
if grep -q '^\[  SKIPPED \]' <<<"$output"; then
    echo "unprivileged.sh: a test skipped where it must run" >&2
    exit 1
fi
exit "$status"
