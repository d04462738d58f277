#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Nothing is written through a symbolic link planted in the folder: INPUT.FIL,
# names.dbf and names.VDX pointing at a file outside the folder, and a link
# under every name a temporary file was once made under. After new, derive,
# calc, render and chart-csv the outside file is byte for byte as it was.
# A temporary index file left by a killed rebuild is removed at the next
# opening of the table.
source "$(dirname "$0")/faults_lib.sh"
e2e_install_copy "$1"
outside="$E2E_DIR/.outside"
mkdir -p "$outside"
head -c 40000 /dev/urandom | base64 >"$outside/victim"
sum=$(sha256sum <"$outside/victim")
untouched() { [ "$(sha256sum <"$outside/victim")" = "$sum" ] || fail "$1 wrote into the outside file"; }
NEW=(./vostrane-batch new "Ann Lee" 03/04/1985 10:30:00 40.7 74.0 5 N Boston)

# The session file a link to another file: nothing is appended or calculated.
rm -f INPUT.FIL && ln -s "$outside/victim" INPUT.FIL
"${NEW[@]}" >/dev/null 2>&1 && fail "new appended to a file that is no session file"
untouched new
./vostrane-batch derive 1 harmonic 2 >/dev/null 2>&1 && fail "derive appended to a file that is no session file"
untouched derive
./vostrane-batch calc >/dev/null 2>&1 && fail "calc worked on a file that is no session file"
untouched calc

# The temporary names of earlier versions, planted as links.
rm -f INPUT.FIL
for f in INPUT.FIL.~new INPUT.FIL.~cp out.csv.tmp x.pdf.tmp x.png.tmp names.VDX.XXXXXX; do
  ln -s "$outside/victim" "$f"
done
"${NEW[@]}" >/dev/null || fail "new on a fresh folder failed"
entry=$("${NEW[@]}") || fail "new failed"
./vostrane-batch derive "$entry" harmonic 3 >/dev/null || fail "derive failed"
printf 'name,date,time,latitude,longitude,zone,daylight\nCy,01/02/1970,03:04:05,10,20,1,N\n' >in.csv
./vostrane-batch chart-csv in.csv out.csv 2>/dev/null || fail "chart-csv failed"
untouched chart-csv

# names.dbf, then names.VDX, a link to the outside file.
faults_session "Ann Lee" "Bea Roy"
rm -f names.dbf names.VDX && ln -s "$outside/victim" names.dbf
./vostrane-batch calc >/dev/null 2>&1 && fail "calc stored values in a file that is no table"
untouched "calc through names.dbf"
faults_session "Ann Lee" "Bea Roy"
ln -s "$outside/victim" names.VDX
: >names.VDX.Ab12Cd  # left by a rebuild that was killed
./vostrane-batch calc 2>calc.err || fail "calc with a foreign names.VDX failed: $(cat calc.err)"
untouched "calc through names.VDX"
"${TOOL[@]}" check names.dbf INPUT.FIL || fail "the values did not reach names.dbf"
for f in names.VDX.Ab12Cd names.VDX.XXXXXX; do
  [ -e "$f" ] || [ -L "$f" ] && fail "the leftover temporary index file $f is still there"
done
if ./vostrane-batch render 1 x.pdf >/dev/null 2>render.err; then
  ./vostrane-batch render 1 x.png >/dev/null || fail "render to PNG failed"
  untouched render
elif ! grep -q "built with its windows" render.err; then
  fail "render failed: $(cat render.err)"
fi
for f in INPUT.FIL.~new INPUT.FIL.~cp out.csv.tmp x.pdf.tmp x.png.tmp; do
  [ -L "$f" ] || fail "the planted link $f was replaced"
done
echo "no write went through a planted link; the outside file is unchanged"
