#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The birth data form's fields typed as a user types them, with real key
# events: an accented name, a date that cannot exist (refused: "Done" does
# nothing while it stands), a time typed as "7:05 PM", a place from the
# atlas and the focus after it. The entry is checked through
# `vostrane-batch dump`.
#
# usage: typed_fields.sh INSTALL_DIR ARTIFACTS_DIR
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/e2e_ui.sh"

e2e_artifacts "$2"

e2e_install_copy "$1"
rm -f names.dbf names.* INPUT.FIL
e2e_start_xvfb

step "start"
start_program

step "New List of Charts: an accented name and a date that cannot exist"
e2e_press "$main" alt+s n
form=$(window "Vostrane - Enter Birth Data")
# A Swiss keyboard has é and ü on keys of their own: xdotool then types
# them as real keys instead of binding a spare key for each, which the
# toolkit may not see in time.
setxkbmap ch
sleep 1
type_into "$form" "José Müller"
setxkbmap us
sleep 1
e2e_press "$form" Return
type_into "$form" "02/30/1990"
e2e_press "$form" Return
import -window "$form" "$ARTIFACTS/date-refused.png" || fail "no screenshot of the form"
click_form_button "$form" Done
sleep 1
xdotool search --onlyvisible --name "^Wheel" >/dev/null 2>&1 && fail "Done left a refused date"
window "Vostrane - Enter Birth Data" >/dev/null

step "the date put right, the time typed as 7:05 PM"
# The refused date still has the focus: Home, and the date again.
e2e_press "$form" Home
type_into "$form" "03/15/1990"
e2e_press "$form" Return
type_into "$form" "7:05 PM"
e2e_press "$form" Return

step "a place from the atlas; the focus goes on to the latitude"
choose_place "$form" "London, United"
import -window "$form" "$ARTIFACTS/after-place.png" || fail "no screenshot of the form"
click_form_button "$form" Done
answer_no_save

step "the entry as stored"
viewer=$(window "Vostrane - José Müller - Natal Chart" 60)
./vostrane-batch dump 1 >entry1.json || fail "entry 1 cannot be read"
cp entry1.json "$ARTIFACTS/"
grep -q '"name": *"José Müller"' entry1.json || fail "the name is not José Müller: $(head -c 200 entry1.json)"
[ "$(json_number entry1.json month)/$(json_number entry1.json day)/$(json_number entry1.json year)" = 3/15/1990 ] ||
  fail "the date is not 3/15/1990"
[ "$(json_number entry1.json hours):$(json_number entry1.json minutes)" = 19:5 ] ||
  fail "7:05 PM is not 19:05"
# The session file holds the name as Windows-1252 bytes.
grep -aq "$(printf 'Jos\xe9 M\xfcller')" INPUT.FIL || fail "INPUT.FIL does not hold the name in Windows-1252"

step "Quit"
leave_viewer_to_main_menu "$viewer"
e2e_press "$main" alt+q y
e2e_wait_exit "$program" 20 || fail "the program did not end after Quit"
[ "$E2E_STATUS" -eq 0 ] || fail "the program ended with status $E2E_STATUS"
echo "typed fields passed"
