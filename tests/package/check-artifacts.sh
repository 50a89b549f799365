#!/usr/bin/env bash
# The two release artifacts as a user receives them.
#   check-artifacts.sh <setup tarball> <Debian package> <dictionary licence>
set -euo pipefail
media=$1 deb=$2 licence=$3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

# The media: one top folder holding the installer, its SETUP.INI and the game's files.
top=$(basename "$media" .tar.gz)
diff <(tar -tzf "$media" | sort) <(printf "$top/%s\n" "" setup SETUP.INI Lettrino Lettrino.txt \
    Lettrino.HLP Lettrino.COPYING | sort)
tar -tvzf "$media" "$top/setup" | grep -q '^-rwx'

# The package: Debian's places for a game's files, and nothing else.
diff <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort) <(sort <<LIST
./usr/games/Lettrino
./usr/games/Lettrino.HLP
./usr/share/games/lettrino/Lettrino.txt
./usr/share/games/lettrino/Lettrino.HLP
./usr/share/applications/lettrino.desktop
./usr/share/metainfo/org.example.lettrino.metainfo.xml
./usr/share/man/man6/Lettrino.6.gz
./usr/share/doc/lettrino/copyright
./usr/share/doc/lettrino/changelog.gz
$(printf './usr/share/icons/hicolor/%sx%s/apps/lettrino.png\n' 16 16 32 32 48 48 64 64 128 128 256 256)
LIST
)
dpkg-deb -x "$deb" "$root"
for size in 16 32 48 64 128 256; do
    file "$root/usr/share/icons/hicolor/${size}x$size/apps/lettrino.png" | grep -q "PNG image data, $size x $size,"
done
# The copyright file ends with the dictionary's licence, whole.
tail -c "$(stat -c %s "$licence")" "$root/usr/share/doc/lettrino/copyright" | cmp - "$licence"
test -f "$root/usr/games/Lettrino.HLP" && test -x "$root/usr/games/Lettrino"
