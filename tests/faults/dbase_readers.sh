#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A standard dBase reader (dbfread) decodes the installed atlas and a name
# file the program has written to as Windows-1252, as their language bytes
# say; a name file of an older writer (language byte 0, MDX flag set) is
# marked at the program's first write.
source "$(dirname "$0")/faults_lib.sh"
e2e_install_copy "$1"
"${TOOL[@]}" decode places.dbf || fail "dbfread cannot read places.dbf as Windows-1252"
faults_session "Zoë Ærø" "Bea Roy"
if "${TOOL[@]}" decode names.dbf >/dev/null; then fail "the older name file already claims Windows-1252"; fi
./vostrane-batch calc 2>calc.err || fail "calc failed: $(cat calc.err)"
"${TOOL[@]}" decode names.dbf || fail "dbfread cannot read names.dbf as Windows-1252"
[ "$(od -An -tx1 -j28 -N2 names.dbf | tr -d ' ')" = "0057" ] || fail "MDX flag and language byte: $(od -An -tx1 -j28 -N2 names.dbf)"
