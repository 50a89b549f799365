#!/usr/bin/env bash
# Makes the word game's dictionary from a Debian word list (SCOWL): only words of 3
# to 16 lower-case letters a-z are kept (no proper nouns, apostrophes or accented
# letters), upper-cased, one a line, in alphabetical order, each line ended by CR LF
# as the game itself writes the file when it saves.
#
#   data/make-dictionary.sh [word-list] [output]
#
# Without arguments it regenerates data/Lettrino.txt from the wamerican list.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
input="${1:-/usr/share/dict/american-english}"
output="${2:-$here/Lettrino.txt}"

if [ ! -r "$input" ]; then
    echo "make-dictionary: cannot read $input (install the wamerican package)" >&2
    exit 1
fi

# The C locale makes the character classes and the sort order plain ASCII.
export LC_ALL=C
temporary="$output.tmp.$$"
trap 'rm -f "$temporary"' EXIT
grep -E '^[a-z]{3,16}$' "$input" | tr 'a-z' 'A-Z' | sort -u | sed 's/$/\r/' >"$temporary"
mv "$temporary" "$output"
trap - EXIT
