# SPDX-License-Identifier: GPL-3.0-or-later
# Shared steps of the fault tests: a fresh copy of the installation folder
# (tests/e2e/e2e_lib.sh), the independent name file tool, and persons linked
# from a session.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/e2e_lib.sh"

FAULTS_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
SOURCE_DIR="$(cd "$FAULTS_DIR/../.." && pwd)"
TOOL=(/usr/bin/python3 "$FAULTS_DIR/name_file_tool.py")

# faults_session PERSON...: INPUT.FIL with one entry per person and names.dbf
# holding them all, each entry linked to its person.
faults_session() {
  rm -f INPUT.FIL names.dbf names.VDX
  local i=0
  for person in "$@"; do
    i=$((i + 1))
    ./vostrane-batch new "$person" "0$((i % 9 + 1))/1$((i % 9))/19$((50 + i))" "1$((i % 9)):2$((i % 6)):00" \
      "$((30 + i)).5" "$((70 + i)).25" 5 N "Place $i" >/dev/null || fail "new $person failed"
  done
  "${TOOL[@]}" create names.dbf "$SOURCE_DIR/names/NameTable.cpp" "$@" || fail "creating names.dbf failed"
  "${TOOL[@]}" link INPUT.FIL names.dbf || fail "linking failed"
}

# faults_snapshot / faults_restore DIR: the installation's changing files.
faults_snapshot() {
  rm -rf "$1" && mkdir -p "$1"
  local f
  for f in INPUT.FIL names.dbf names.VDX; do
    if [ -e "$f" ]; then cp -a "$f" "$1"/; fi
  done
}
faults_restore() {
  rm -f INPUT.FIL names.dbf names.VDX names.dbf.* names.VDX.* INPUT.FIL.*
  cp -a "$1"/. .
}

# faults_count_writes COMMAND...: how many pwrite64 calls the command makes.
faults_count_writes() {
  strace -f -qq -o "$E2E_DIR/.writes" -e trace=pwrite64 "$@" >/dev/null 2>&1 || fail "$* failed under strace"
  grep -c pwrite64 "$E2E_DIR/.writes"
}
