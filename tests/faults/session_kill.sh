#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A kill at any single write of "new" or "calc" leaves the session file and
# the name file usable: strace kills the batch tool at its n-th pwrite64, for
# every n the command makes; afterwards "new" and "calc" must work, and every
# person must end with its own calculated values.
source "$(dirname "$0")/faults_lib.sh"
e2e_install_copy "$1"

# new, on a session that already holds an entry.
./vostrane-batch new "Ann Lee" 03/04/1985 10:30:00 40.7 74.0 5 N Boston >/dev/null || fail "first new failed"
faults_snapshot "$E2E_DIR/.one"
NEW=(./vostrane-batch new "Bea Roy" 01/01/2000 12:00:00 10 10 0 N Paris)
writes=$(faults_count_writes "${NEW[@]}")
faults_restore "$E2E_DIR/.one"
[ "$writes" -ge 2 ] || fail "new made only $writes writes"
for ((n = 1; n <= writes; n++)); do
  faults_restore "$E2E_DIR/.one"
  strace -f -qq -o /dev/null -e inject=pwrite64:signal=SIGKILL:when=$n "${NEW[@]}" >/dev/null 2>&1 && \
    fail "new was not killed at write $n"
  entry=$(./vostrane-batch new "Cy Dunn" 02/02/1990 08:00:00 20 20 1 N Oslo) || \
    fail "new after a kill at write $n of new failed"
  ./vostrane-batch dump "$entry" | grep -q '"Cy Dunn"' || fail "entry $entry unreadable after a kill at write $n"
  ./vostrane-batch calc 2>calc.err || fail "calc after a kill at write $n of new failed: $(cat calc.err)"
done
echo "new: killed at each of its $writes writes, INPUT.FIL stayed usable"

# calc, with the persons linked to the name file.
faults_session "Ann Lee" "Bea Roy" "Cy Dunn"
faults_snapshot "$E2E_DIR/.linked"
writes=$(faults_count_writes ./vostrane-batch calc)
[ "$writes" -ge 6 ] || fail "calc made only $writes writes"
for ((n = 1; n <= writes; n++)); do
  faults_restore "$E2E_DIR/.linked"
  strace -f -qq -o /dev/null -e inject=pwrite64:signal=SIGKILL:when=$n ./vostrane-batch calc >/dev/null 2>&1 && \
    fail "calc was not killed at write $n"
  ./vostrane-batch calc 2>calc.err || fail "calc after a kill at its write $n failed: $(cat calc.err)"
  "${TOOL[@]}" check names.dbf INPUT.FIL || fail "wrong or missing values after a kill at write $n of calc"
  ./vostrane-batch new "Di Ekko" 05/05/1995 09:09:09 50 0 0 N Rome >/dev/null || \
    fail "new after a kill at write $n of calc failed"
done
echo "calc: killed at each of its $writes writes, INPUT.FIL and names.dbf stayed usable"

# new on a folder without INPUT.FIL: the file appears whole or not at all.
for call in write fsync rename renameat renameat2; do
  for n in 1 2; do
    rm -f INPUT.FIL INPUT.FIL.*
    strace -f -qq -o /dev/null -e inject=$call:signal=SIGKILL:when=$n "${NEW[@]}" >/dev/null 2>&1 || true
    entry=$(./vostrane-batch new "Cy Dunn" 02/02/1990 08:00:00 20 20 1 N Oslo) || \
      fail "new after a kill at $call $n of a first new failed"
    ./vostrane-batch dump "$entry" | grep -q '"Cy Dunn"' || fail "entry $entry unreadable after a kill at $call $n"
  done
done
echo "new on a fresh folder: a kill at any write leaves no half-made INPUT.FIL"
