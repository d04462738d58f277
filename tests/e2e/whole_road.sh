#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole road of a session in the real program, driven with real key and
# mouse events: main menu, "New", two entries (places from the atlas),
# "Done", the calculation, the viewer with the wheel page, switching entries
# through the Entries menu (mouse), printing (to a PDF file: there is no
# printer), back to the main menu, "Continue with Charts of Previous
# Session", the exit menu, and quitting. Checks the session file, the PDF
# and screenshots of the viewer, which are kept in ARTIFACTS.
#
# usage: whole_road.sh INSTALL_DIR ARTIFACTS_DIR
source "$(dirname "$0")/e2e_lib.sh"

ARTIFACTS="$2"
rm -rf "$ARTIFACTS"
mkdir -p "$ARTIFACTS"

e2e_install_copy "$1"
e2e_start_xvfb

source "$(dirname "$0")/e2e_ui.sh"

# One entry: name, date MMDDYYYY, time HHMMSS + A/P, and a place typed
# until the atlas lists it first, then "Get First Place In List".
enter_chart() {
  local form="$1" name="$2" date="$3" time="$4" place="$5"
  type_into "$form" "$name"
  e2e_press "$form" Return
  type_into "$form" "$date"
  e2e_press "$form" Return
  type_into "$form" "$time"
  e2e_press "$form" Return
  # The first letter opens the place lookup; the rest is typed there.
  type_into "$form" "${place:0:1}"
  local lookup
  lookup=$(window "Enter Place")
  sleep 0.3
  type_into "$lookup" "${place:1}"
  sleep 0.5
  e2e_press "$lookup" alt+g
  gone "Enter Place"
}

step "start"
./vostrane >vostrane.log 2>&1 &
program=$!
E2E_PIDS+=($program)
main=$(window "Vostrane")

step "New List of Charts"
e2e_press "$main" alt+s n
form=$(window "Vostrane - Enter Birth Data")
enter_chart "$form" "Doe, John" "03051961" "023000P" "London, UK"
click_form_button "$form" NewNatal
enter_chart "$form" "Smith, Anna" "07211975" "061500A" "Paris, France"
click_form_button "$form" Done
# "Done" offers each unsaved person of the list once.
answer_no_save
answer_no_save

step "viewer"
# It opens at the chart typed last.
viewer=$(window "Vostrane - Smith, Anna - Natal Chart" 60)
screenshot "$viewer" viewer-entry2.png
# The calculation is over: the main window no longer asks to wait.
caption_is "$main" "Vostrane"

# "Entries" is the third title of the menu bar, its first item the other
# entry.
other_entry_with_the_mouse() {
  click "$viewer" 110 10
  popup=$(other_window "Vostrane") || fail "the Entries menu did not open"
  click "$popup" 100 12
  gone_id "$popup"
}

step "Entries menu: entry 1 with the mouse, and back to entry 2"
other_entry_with_the_mouse
caption_is "$viewer" "Vostrane - Doe, John - Natal Chart"
screenshot "$viewer" viewer-entry1.png
cmp -s "$ARTIFACTS/viewer-entry1.png" "$ARTIFACTS/viewer-entry2.png" &&
  fail "choosing entry 1 left the page as it was"
other_entry_with_the_mouse
caption_is "$viewer" "Vostrane - Smith, Anna - Natal Chart"

step "Save as PDF: the file dialog suggests the entry's name in the working folder"
e2e_press "$viewer" alt+p d
dialog=$(window "Save as PDF")
e2e_press "$dialog" Return
gone_id "$dialog"
# The page is drawn and written after the dialog closes; the file appears
# whole (renamed from its temporary file) when it is done.
for _ in $(seq 150); do [ -f Smith_Anna.pdf ] && break; sleep 0.2; done
[ -f Smith_Anna.pdf ] || fail "Smith_Anna.pdf was not written"
cp Smith_Anna.pdf "$ARTIFACTS/"
head -c 5 Smith_Anna.pdf | grep -q "%PDF-" || fail "Smith_Anna.pdf is no PDF file"
tail -c 8 Smith_Anna.pdf | grep -q "%%EOF" || fail "Smith_Anna.pdf is not complete"
pages=$(grep -a -c "/Type /Page$" Smith_Anna.pdf || true)
[ "$pages" -eq 1 ] || fail "Smith_Anna.pdf has $pages pages"
[ ! -e Smith_Anna.pdf.tmp ] || fail "the temporary PDF file was left behind"
caption_is "$viewer" "Vostrane - Smith, Anna - Natal Chart"
screenshot "$viewer" viewer-after-print.png
cmp -s "$ARTIFACTS/viewer-entry2.png" "$ARTIFACTS/viewer-after-print.png" ||
  fail "the screen page after printing differs from the one before"

step "Exit to the opening screen"
e2e_press "$viewer" alt+x y
gone_id "$viewer"
caption_is "$main" "Vostrane"

step "Continue with Charts of Previous Session"
e2e_press "$main" alt+s c
viewer=$(window "Vostrane - Doe, John - Natal Chart" 60)
screenshot "$viewer" viewer-continued.png
cmp -s "$ARTIFACTS/viewer-entry1.png" "$ARTIFACTS/viewer-continued.png" ||
  fail "the continued session does not open on entry 1 as before"

step "Exit menu (Esc): Main Menu"
leave_viewer_to_main_menu "$viewer"

step "session file"
dump_two_entries
grep -q '"name": *"Doe, John"' entry1.json || fail "entry 1 is not Doe, John"
grep -q '"name": *"Smith, Anna"' entry2.json || fail "entry 2 is not Smith, Anna"
grep -q '"place": *"London, UK"' entry1.json || fail "entry 1 lacks its place"
grep -Eq '"julday": *24[0-9]{5}\.' entry2.json || fail "entry 2 was not calculated"

step "Quit"
e2e_press "$main" alt+q y
e2e_wait_exit "$program" 20 || fail "the program did not end after Quit"
status="$E2E_STATUS"
[ "$status" -eq 0 ] || fail "the program ended with status $status"
cp vostrane.log "$ARTIFACTS/"
echo "whole road passed; screenshots and the PDF are in $ARTIFACTS"
