#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when one of the given files (programs, static libraries, generated
# data files, readable sources) holds a text that names another product
# (Zorlan, Calvarin, Marvick, Corvatine), a Windows version ("Windows 9..."),
# a Windows path ("C:\...") or a purchase. Names are matched without regard
# to case. The one name allowed is the glyph font's former family
# "ZorlanAstro", which the program still reads in stored files and maps to
# the current family (in machine code its first eight letters "ZorlanAs" may
# stand as an immediate value, followed by other bytes); the file names
# ZORCTRL.DAT, QIRTEXT.DAT and zorastro.ttf hold none of these words.
#
# usage: own_voice.sh FILE...
set -u

# Printable runs of a file (of a text file, its lines): in a binary, three
# bytes such as "C:\" turn up by chance in machine code, a printable run of
# six or more characters hardly.
texts() {
  if grep -Iq . "$1" 2>/dev/null; then cat "$1"; else strings -a -n 6 "$1"; fi
}

# The offending words of standard input, one a line.
offending() {
  grep -a -o -i -E 'zorlan[a-z]*|calvarin|marvick|corvatine|windows 9[0-9a-z]*|purchas[a-z]*' |
    grep -v -E '^ZorlanAs'
  return 0
}
offending_paths() {
  grep -a -o -E '[A-Z]:\\+[A-Za-z]+'
  return 0
}

# The matcher itself must find what it is there to find.
selftest=$(printf '%s\n' 'the Zorlan CD' 'ZORLAN PROGRAM' 'for Windows 95, 98' 'after you purchased' \
  'C:\WINDOWS\FONTS' 'font ZorlanAstro' 'ZorlanAsH' 'ZORCTRL.DAT QIRTEXT.DAT zorastro.ttf' 'Windows-1252')
found=$( (echo "$selftest" | offending; echo "$selftest" | offending_paths) | wc -l)
if [ "$found" -ne 5 ]; then
  echo "FAIL: the matcher finds $found of the 5 planted words" >&2
  exit 1
fi

[ $# -gt 0 ] || { echo "FAIL: no files to check" >&2; exit 1; }
scratch=$(mktemp)
trap 'rm -f "$scratch"' EXIT
status=0
checked=0
for file in "$@"; do
  if [ ! -s "$file" ]; then
    echo "FAIL: $file is missing or empty" >&2
    status=1
    continue
  fi
  texts "$file" >"$scratch"
  words=$({ offending <"$scratch"; offending_paths <"$scratch"; } | sort | uniq -c)
  if [ -n "$words" ]; then
    echo "FAIL: $file holds:" >&2
    echo "$words" >&2
    status=1
  fi
  checked=$((checked + 1))
done
echo "checked $checked files"
exit $status
