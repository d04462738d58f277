#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The batch tool runs in a copy of the installation folder and documents its commands.
source "$(dirname "$0")/e2e_lib.sh"

e2e_install_copy "$1"
version=$(./vostrane-batch version) || fail "version failed"
[[ "$version" == Vostrane\ * ]] || fail "unexpected version text: $version"
./vostrane-batch --help | grep "version" >/dev/null || fail "--help does not list version"
if ./vostrane-batch no-such-command 2>/dev/null; then fail "an unknown command succeeded"; fi

# place: the rows of the place lookup with what reading each fills in.
rows=$(./vostrane-batch place "Calcutta" 06/15/1990 14:30:00) || fail "place failed"
/usr/bin/python3 - "$rows" <<'PY' || fail "unexpected place rows: $rows"
import json, sys
rows = json.loads(sys.argv[1])
first = rows[0]
assert len(rows) == 16, len(rows)
assert first["row"] == "Calcutta = Kolkata, India" and first["name"] == "Kolkata, India", first
assert abs(first["latitude"] - 22.5626) < 0.05 and abs(first["longitude"] + 88.3630) < 0.05, first
assert first["zone"] == -5.5 and first["daylight"] == "N", first
assert len({r["row"] for r in rows}) == len(rows)
PY
# Places whose rules changed after 2024, in years after it: the zone and
# daylight letter of the first row as the time zone database gives them.
while IFS='|' read -r text date zone daylight; do
  first=$(./vostrane-batch place "$text" $date 12:00:00 2>/dev/null | head -1)
  [[ "$first" == *"\"zone\": $zone, \"daylight\": \"$daylight\", \"clock\": \"normal\""* ]] ||
    fail "$text $date: $first"
done <<'CASES'
Mexico City|07/15/2025|6|N
Tehran|07/01/2026|-3.5|N
Cairo|07/15/2026|-2|Y
Almaty|01/15/2026|-5|N
São Paulo|12/15/2026|3|N
Asunción|07/01/2030|3|N
CASES
# Clock times the clocks jumped over or repeated; the note about a year after
# the tables' release is given once, not once per row.
gap=$(./vostrane-batch place "New York" 03/08/2020 02:30:00 | head -1)
[[ "$gap" == *'"clock": "gap"'* ]] || fail "no gap: $gap"
repeat=$(./vostrane-batch place "New York" 11/01/2020 01:30:00 | head -1)
[[ "$repeat" == *'"daylight": "Y", "clock": "repeated"'* ]] || fail "no repeat: $repeat"
notes=$(./vostrane-batch place "New York" 07/04/2031 12:00:00 2>&1 >/dev/null | grep -c "is after")
[ "$notes" = 1 ] || fail "the note was given $notes times"
zurich=$(./vostrane-batch place "zürich") || fail "place without a date failed"
[[ "$zurich" == '[{"row": "Zürich, '* && "$zurich" != *'"zone"'* ]] || fail "unexpected rows for zürich: $zurich"
if ./vostrane-batch place "Paris" 13/45/1990 10:00:00 2>/dev/null; then fail "a bad date was taken"; fi
# render: the page as data, and a full disk that keeps the earlier file.
./vostrane-batch new "Doe, John" 03/05/1961 14:30:00 40.7128 74.006 5 N "New York, NY" >/dev/null ||
  fail "new failed"
./vostrane-batch calc >/dev/null || fail "calc failed"
./vostrane-batch render 1 page.json >/dev/null || fail "render to JSON failed"
for key in '"width"' '"height"' '"wheel"' '"radii"' '"cusps"' '"ascendant"' '"planet-glyph"' '"cusp-line"' '"bbox"'; do
  grep -q "$key" page.json || fail "page.json has no $key"
done
# The sheet of the options: A4 turned sideways, as SVG.
./vostrane-batch render 1 page.svg --paper a4 --landscape >/dev/null || fail "render to SVG failed"
grep -q 'viewBox="0 0 7016 4961"' page.svg || fail "page.svg is not an A4 landscape sheet"
if ./vostrane-batch render 1 page.svg --paper a3 2>/dev/null; then fail "--paper a3 was taken"; fi
# The dial page of the midpoints, as PDF and as data with its list.
./vostrane-batch render 1 dial.pdf --dial 90 --pointer 12.5 >/dev/null || fail "render of the dial failed"
head -c 5 dial.pdf | grep -q '%PDF' || fail "dial.pdf is not a PDF"
./vostrane-batch render 1 dial.json --dial 45 >/dev/null || fail "render of the 45-degree dial failed"
[ "$(grep -c '"role": "table"' dial.json)" -gt 100 ] || fail "dial.json has no midpoint list"
if ./vostrane-batch render 1 dial.png --dial 30 2>/dev/null; then fail "--dial 30 was taken"; fi
if [ "$(id -u)" = 0 ] && mkdir -p full && mount -t tmpfs -o size=256k tmpfs full 2>/dev/null; then
  trap 'status=$?; umount "$PWD/full" 2>/dev/null || true; e2e_cleanup "$status"' EXIT
  printf '%%PDF-1.4 the earlier page\n%%%%EOF\n' > full/page.pdf
  cp full/page.pdf earlier.pdf
  dd if=/dev/zero of=full/filler bs=4k 2>/dev/null || true
  if ./vostrane-batch render 1 full/page.pdf 2>render.err; then fail "render to a full disk exited 0"; fi
  cmp -s full/page.pdf earlier.pdf || fail "render to a full disk changed the earlier page.pdf"
  [ ! -e full/page.pdf.tmp ] || fail "render left its temporary file"
  if ./vostrane-batch render 1 full/page.png 2>>render.err; then fail "PNG render to a full disk exited 0"; fi
  [ ! -e full/page.png ] || fail "PNG render to a full disk left a file"
  umount full
  echo "render to a full disk: exit status 1, the earlier file kept"
else
  echo "render to a full disk: not tried (a tmpfs cannot be mounted here)"
fi
echo "batch tool: $version"
