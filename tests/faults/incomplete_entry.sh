#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An entry whose calculation did not finish is never drawn: "render" refuses
# it with a message and a non-zero status, before and after a calculation
# that was killed halfway; a complete calculation makes it drawable.
source "$(dirname "$0")/faults_lib.sh"
e2e_install_copy "$1"
export QT_QPA_PLATFORM=offscreen
./vostrane-batch new "Ann Lee" 03/04/1985 10:30:00 40.7 74.0 5 N Boston >/dev/null || fail "new failed"
if ./vostrane-batch render 1 page.png 2>render.err; then fail "an entry never calculated was drawn"; fi
grep -q "not completely calculated" render.err || fail "render said: $(cat render.err)"
# Killed after the house step was written: the planets are still empty.
strace -f -qq -o /dev/null -e inject=pwrite64:signal=SIGKILL:when=3 ./vostrane-batch calc >/dev/null 2>&1 || true
if ./vostrane-batch render 1 page.png 2>render.err; then fail "a half-calculated entry was drawn"; fi
grep -q "not completely calculated" render.err || fail "render said: $(cat render.err)"
./vostrane-batch calc 2>calc.err || fail "calc failed: $(cat calc.err)"
./vostrane-batch render 1 page.png >/dev/null 2>render.err || fail "render of a calculated entry failed: $(cat render.err)"
[ -s page.png ] || fail "no page drawn"
echo "render refuses entries whose calculation did not finish"
