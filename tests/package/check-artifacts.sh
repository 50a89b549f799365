#!/usr/bin/env bash
# The two release artifacts hold exactly the files listed beside this script.
#   check-artifacts.sh <setup tarball> <Debian package> <dictionary licence>
set -euo pipefail
media=$1 deb=$2 licence=$3 lists=$(dirname "$0")

# The media: everything under one top folder, the installer executable.
top=$(basename "$media" .tar.gz)
diff <(tar -tzf "$media" | sort) <(sed "s|^|$top/|" "$lists/media-files.txt" | sort)
tar -tvzf "$media" "$top/setup" | grep -q '^-rwx'
# The installer starts where no GUI library is installed: only its windows need one.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
tar -xzf "$media" -C "$scratch" "$top/setup" "$top/setup-windows.so"
[ -z "$(readelf -d "$scratch/$top/setup" | grep -E 'NEEDED.*\[lib(Qt6|GL|EGL|OpenGL|X|xcb|wayland)')" ]
readelf -d "$scratch/$top/setup-windows.so" | grep 'NEEDED.*\[libQt6Widgets' >/dev/null

# The package: Debian's places for a game's files, and nothing else.
diff <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort) <(sort "$lists/package-files.txt")
# Its copyright file ends with the dictionary's licence, whole.
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/lettrino/copyright |
    tail -c "$(stat -c %s "$licence")" | cmp - "$licence"
