#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Another program holds the name file locked for five seconds, longer than
# the program's own patience: the batch tool's calc waits for it, says which
# process holds the lock, and then stores every value.
source "$(dirname "$0")/faults_lib.sh"
e2e_install_copy "$1"
faults_session "Ann Lee" "Bea Roy"
./vostrane-batch calc >/dev/null 2>&1 || fail "the first calc failed"
"${TOOL[@]}" clear names.dbf
/usr/bin/python3 -c '
import fcntl, os, sys, time
f = open("names.dbf", "r+b")
fcntl.lockf(f, fcntl.LOCK_EX)
open(".locked", "w").write(str(os.getpid()))
time.sleep(5)
' &
holder=$!
E2E_PIDS+=("$holder")
for ((i = 0; i < 100; i++)); do [ -s .locked ] && break; sleep 0.05; done
[ -s .locked ] || fail "the other program did not take the lock"
./vostrane-batch calc 2>calc.err || fail "calc gave up on the lock: $(cat calc.err)"
grep -q "names.dbf is locked by process $holder" calc.err || fail "calc did not say who held the lock: $(cat calc.err)"
"${TOOL[@]}" check names.dbf INPUT.FIL || fail "values were lost while calc waited"
echo "calc waited for the lock another program held and stored every value"
