#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A second Vostrane started while the first holds the lock shows only the
# already-running notice, ends with a non-zero status when OK is pressed, and
# leaves the first instance running.
source "$(dirname "$0")/e2e_lib.sh"

e2e_install_copy "$1"
e2e_start_xvfb

./vostrane >first.log 2>&1 &
first=$!
E2E_PIDS+=($first)
for ((i = 0; i < 100; i++)); do
  if [ -e TEMP.TMP ] && ! flock -n TEMP.TMP true 2>/dev/null; then break; fi
  sleep 0.1
done
flock -n TEMP.TMP true 2>/dev/null && fail "the first instance does not hold TEMP.TMP"

./vostrane >second.log 2>&1 &
second=$!
E2E_PIDS+=($second)
notice=$(e2e_wait_window "Vostrane is already running!") || fail "no already-running notice"
e2e_press "$notice" Return
e2e_wait_exit "$second" || fail "the second instance did not end after OK"
status="$E2E_STATUS"
[ "$status" -eq 1 ] || fail "the second instance ended with status $status, not 1"
kill -0 "$first" 2>/dev/null || fail "the first instance ended"
echo "second instance ended with status $status; first still running"
