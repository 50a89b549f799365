#!/bin/sh
# Runs a program on this system as it is but for some libraries, as where they were
# never installed:
#   without-libraries.sh SCRATCH FOLDER HIDDEN PROGRAM [ARGUMENT...]
# In a mount namespace of its own, FOLDER is covered by a view of it without the
# entries whose names begin with a match of the extended regular expression HIDDEN:
# a memory file system on SCRATCH (an empty folder) holds a link to every other entry,
# and the real folder under a second name for the links to lead to. Nothing of it is
# seen outside the namespace. Exit status 77 when the system refuses a mount namespace.
set -eu
unshare --mount true 2>/dev/null || exit 77
exec unshare --mount --propagation private /bin/sh -eu -c '
    mount -t tmpfs without-libraries "$1"
    mkdir "$1/real" "$1/view"
    mount --bind "$2" "$1/real"
    find "$1/real" -mindepth 1 -maxdepth 1 -regextype egrep ! -regex ".*/($3)[^/]*" \
        -exec ln -s -t "$1/view" {} +
    mount --bind "$1/view" "$2"
    shift 3
    exec "$@"' without-libraries "$@"
