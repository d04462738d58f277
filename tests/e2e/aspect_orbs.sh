#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Aspect orbs as a user sets them, with real key events: Preferences...,
# Aspects... widens the planets orb of an aspect that a chart just misses;
# ANGLES.DAT is written (the installation's list follows it), and the wheel
# page and the dump then show that aspect.
#
# usage: aspect_orbs.sh INSTALL_DIR ARTIFACTS_DIR
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/e2e_ui.sh"

e2e_artifacts "$2"

e2e_install_copy "$1"
rm -f names.dbf names.* INPUT.FIL ASPORBS.DAT ./*.pdf
./vostrane-batch new "Ada Test" 12/10/1815 13:00:00 51.5 0.12 0 N London >/dev/null || fail "no chart"
./vostrane-batch calc || fail "the chart is not calculated"

# A pair of planets (no Sun or Moon) just outside the planets orb of one of
# the five aspects of set 1: its row in the dialog, the orb to set, the pair.
read -r row orb first second angle < <(./vostrane-batch dump 1 | /usr/bin/python3 -c '
import itertools, json, math, sys
d = json.load(sys.stdin)
planets = ["Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"]
kinds = [(0, 8), (180, 8), (90, 7), (120, 7), (60, 5)]  # rows of the dialog with their orbs
for a, b in itertools.combinations(range(2, 10), 2):
    g = abs(d["lon"][a] - d["lon"][b]) % 360
    s = min(g, 360 - g)
    for row, (angle, orb) in enumerate(kinds):
        if orb + 0.01 < abs(s - angle) < orb + 2.5:
            print(row, math.ceil(abs(s - angle)), planets[a - 2], planets[b - 2], angle)
            sys.exit(0)
sys.exit(1)') || fail "the chart has no aspect just outside its orb"
echo "widening row $row to $orb degrees for $first - $second ($angle)"

has_aspect() {
  ./vostrane-batch dump 1 | /usr/bin/python3 -c '
import json, sys
d = json.load(sys.stdin)
sys.exit(0 if any({x["a"], x["b"]} == {sys.argv[1], sys.argv[2]} and x["aspect"] == float(sys.argv[3])
                  for x in d["aspects"]) else 1)' "$first" "$second" "$angle"
}
aspect_lines() {
  ./vostrane-batch render 1 page.json >/dev/null 2>&1 || fail "the page is not rendered"
  /usr/bin/python3 -c 'import json; print(sum(i["role"] == "aspect-line" for i in json.load(open("page.json"))["items"]))'
}
has_aspect && fail "$first - $second is an aspect before the orb is widened"
before=$(aspect_lines)
e2e_start_xvfb

step "start"
start_program

step "Preferences, Aspects: the planets orb of row $row to $orb"
e2e_press "$main" alt+p
prefs=$(window "Vostrane - Preferences")
e2e_press "$prefs" alt+a
aspects=$(window "Vostrane - Aspects")
keys=(alt+a ctrl+Home)
for ((i = 0; i < row; i++)); do keys+=(Down); done
keys+=(alt+p ctrl+a)
for ((i = 0; i < ${#orb}; i++)); do keys+=("${orb:i:1}"); done
e2e_press "$aspects" "${keys[@]}"
import -window "$aspects" "$ARTIFACTS/aspects.png" || fail "no screenshot of the aspect settings"
e2e_press "$aspects" Return
gone "Vostrane - Aspects"
e2e_press "$prefs" Escape
gone "Vostrane - Preferences"

step "the page and the dump show the aspect"
[ -f ASPORBS.DAT ] || fail "ASPORBS.DAT is not written"
has_aspect || fail "$first - $second is not listed after the orb was widened"
after=$(aspect_lines)
[ "$after" -gt "$before" ] || fail "the page shows $after aspect lines, as many as before ($before)"
grep -q "ANGLES.DAT" vostrane.log && fail "a message names ANGLES.DAT: $(cat vostrane.log)"
cp page.json "$ARTIFACTS/"
echo "PASS"
