#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The birth data form on a 1366x768 screen with real key events: the form
# and the place dialog lie wholly on the screen, a date that its year lacks
# is refused with the hint that says why, and a time the clocks skipped
# (New York, 8 March 2020, 2:30 AM) is asked about before the entry takes
# it. The entry is checked through `vostrane-batch dump`.
#
# usage: clock_and_screen.sh INSTALL_DIR ARTIFACTS_DIR
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/e2e_ui.sh"

e2e_artifacts "$2"

e2e_install_copy "$1"
rm -f names.dbf names.* INPUT.FIL
e2e_start_xvfb 1366x768

# The window lies wholly on the 1366x768 screen.
on_screen() {
  local x y w h
  eval "$(xdotool getwindowgeometry --shell "$1")"
  x=$X y=$Y w=$WIDTH h=$HEIGHT
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1366 ] && [ $((y + h)) -le 768 ] ||
    fail "$2 lies at ${x},${y} size ${w}x${h}, off the 1366x768 screen"
}

step "start"
start_program

step "New List of Charts: 02/29/1990 is refused"
e2e_press "$main" alt+s n
form=$(window "Vostrane - Enter Birth Data")
on_screen "$form" "the form"
type_into "$form" "Ann Clock"
e2e_press "$form" Return
type_into "$form" "02/29/1990"
e2e_press "$form" Return
import -window "$form" "$ARTIFACTS/leap-day-refused.png" || fail "no screenshot of the form"
e2e_press "$form" Home
type_into "$form" "03/08/2020"
e2e_press "$form" Return
type_into "$form" "2:30 AM"
e2e_press "$form" Return

step "the place dialog fits the screen; Enter takes the first place"
type_into "$form" "N"
lookup=$(window "Enter Place")
sleep 0.5
on_screen "$lookup" "the place dialog"
import -window root "$ARTIFACTS/place-dialog.png"
type_into "$lookup" "ew York City"
sleep 0.5
e2e_press "$lookup" Return
gone "Enter Place"

step "2:30 AM did not exist: the question, answered with its first choice"
question=$(other_window "Vostrane") || fail "no question about 2:30 AM"
sleep 0.3
import -window root "$ARTIFACTS/clock-question.png"
# Notes about the year may come first; the question is the box with three
# buttons, its first one the default.
e2e_press "$question" Return
gone_id "$question"
for ((n = 0; n < 3; n++)); do
  note=$(other_window "Vostrane") || break
  e2e_press "$note" Return
  gone_id "$note"
done
import -window "$form" "$ARTIFACTS/after-question.png" || fail "no screenshot of the form"
click_form_button "$form" Done
answer_no_save

step "the entry as stored: 3:30 AM daylight time"
viewer=$(window "Vostrane - Ann Clock - Natal Chart" 60)
./vostrane-batch dump 1 >entry1.json || fail "entry 1 cannot be read"
cp entry1.json "$ARTIFACTS/"
[ "$(json_number entry1.json month)/$(json_number entry1.json day)/$(json_number entry1.json year)" = 3/8/2020 ] ||
  fail "the date is not 3/8/2020"
[ "$(json_number entry1.json hours):$(json_number entry1.json minutes)" = 3:30 ] ||
  fail "the time is not 3:30: $(head -c 400 entry1.json)"
[ "$(json_number entry1.json dstcode)" = 1 ] || fail "3:30 AM is not daylight time"

step "Quit"
leave_viewer_to_main_menu "$viewer"
e2e_press "$main" alt+q y
e2e_wait_exit "$program" 20 || fail "the program did not end after Quit"
echo "clock and screen passed"
