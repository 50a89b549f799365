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
tar -xzf "$media" -C "$scratch" "$top/setup" "$top/setup-windows.so" "$top/Lettrino"
[ -z "$(readelf -d "$scratch/$top/setup" | grep -E 'NEEDED.*\[lib(Qt6|GL|EGL|OpenGL|X|xcb|wayland)')" ]
readelf -d "$scratch/$top/setup-windows.so" | grep 'NEEDED.*\[libQt6Widgets' >/dev/null
# Its programs are stripped, and hardened as Debian builds them (bound at start).
for program in setup setup-windows.so Lettrino; do
    [ -z "$(readelf -S "$scratch/$top/$program" | grep '\.debug_info')" ]
    readelf -d "$scratch/$top/$program" | grep -q 'FLAGS.*NOW'
done

# The package's game is hardened in every way the package checker looks for.
[ -z "$(lintian --tags hardening-no-bindnow,hardening-no-fortify-functions,hardening-no-relro "$deb")" ]
# The package: Debian's places for a game's files, and nothing else.
diff <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort) <(sort "$lists/package-files.txt")
# Its copyright file is machine-readable; the game's licence and the dictionary's are
# paragraphs of their own, each text whole once the format's indent is taken off.
copyright=$scratch/copyright
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/lettrino/copyright >"$copyright"
grep -q '^Format: .*/copyright-format/1.0/$' "$copyright"
paragraph() {
    awk -v RS= -v head="License: $1" 'index($0, head "\n") == 1' "$copyright" |
        sed -e 1d -e 's/^ //' -e 's/^\.$//'
}
diff <(paragraph Expat) <(tail -n +5 "$(dirname "$licence")/../LICENSE")
diff <(paragraph wamerican) <(sed 's/^[[:space:]]*$//' "$licence")
