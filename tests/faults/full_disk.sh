#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A full disk fails "new" and "calc" with a message and a non-zero status and
# loses nothing: once space is freed both work again and every person has its
# own calculated values. The working folder is a small tmpfs (the test is
# skipped where mounting is not allowed) holding links to the installation
# files and the real session and name files.
source "$(dirname "$0")/faults_lib.sh"
e2e_install_copy "$1"
install="$E2E_DIR"
small="$E2E_DIR/.small"
mkdir -p "$small"
if ! mount -t tmpfs -o size=2m tmpfs "$small" 2>/dev/null; then
  echo "mounting a tmpfs is not allowed here: skipped"
  exit 77
fi
trap 'status=$?; cd /; umount "$small" 2>/dev/null; e2e_cleanup "$status"' EXIT
for f in "$install"/*; do ln -s "$f" "$small/$(basename "$f")"; done
cd "$small"
rm -f INPUT.FIL names.dbf names.VDX
faults_session "Ann Lee" "Bea Roy"
./vostrane-batch calc 2>/dev/null || fail "calc with room failed"

fill() { dd if=/dev/zero of=filler bs=4k 2>/dev/null || true; sync; }

fill
if ./vostrane-batch new "Cy Dunn" 02/02/1990 08:00:00 20 20 1 N Oslo >/dev/null 2>"$install/new.err"; then
  fail "new on a full disk reported success"
fi
grep -q "cannot write INPUT.FIL" "$install/new.err" || fail "new on a full disk said: $(cat "$install/new.err")"
"${TOOL[@]}" clear names.dbf
# In-place writes need no room; whatever fails must say so.
status=0
./vostrane-batch calc 2>"$install/calc.err" || status=$?
if [ "$status" -ne 0 ]; then grep -q "vostrane-batch:" "$install/calc.err" || fail "calc failed silently"; fi
rm -f filler
./vostrane-batch dump 1 >/dev/null || fail "entry 1 unreadable after the full disk"
entry=$(./vostrane-batch new "Cy Dunn" 02/02/1990 08:00:00 20 20 1 N Oslo) || fail "new after freeing space failed"
[ "$entry" -eq 3 ] || fail "the new entry is $entry, not 3: the session file changed while the disk was full"
"${TOOL[@]}" append names.dbf "Cy Dunn"
"${TOOL[@]}" link INPUT.FIL names.dbf
./vostrane-batch calc 2>"$install/calc.err" || fail "calc after freeing space failed: $(cat "$install/calc.err")"
"${TOOL[@]}" check names.dbf INPUT.FIL || fail "values lost after the full disk"
echo "full disk: new refused, calc status $status; all well after freeing space"
