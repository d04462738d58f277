#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole session as a user works it, in the real program with real key and
# mouse events: "New", a person typed by hand with a place from the atlas
# (zone and daylight filled in from it) and saved in the name file, "Done",
# the viewer, "Clear All Entries and Start New List", the saved person read
# back from the name file, a second person typed by hand and saved, "Done",
# switching entries in the viewer, printing to a PDF file, "Continue with
# Charts of Previous Session", and Quit. Screenshots, the PDF, the dumped
# entries and the program's log are kept in ARTIFACTS.
#
# usage: full_session.sh INSTALL_DIR ARTIFACTS_DIR
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/e2e_ui.sh"

e2e_artifacts "$2"

e2e_install_copy "$1"
rm -f names.dbf names.* INPUT.FIL ./*.pdf
e2e_start_xvfb

step "start"
start_program

step "New List of Charts: a person with a place from the atlas, saved"
e2e_press "$main" alt+s n
form=$(window "Vostrane - Enter Birth Data")
enter_birth_data "$form" "Walker, Mary" "07041975" "083000P"
choose_place "$form" "Chicago, IL"
import -window "$form" "$ARTIFACTS/form-atlas-place.png" || fail "no screenshot of the form"
click_form_button "$form" Save
confirm_note "Walker, Mary saved"
[ -f names.dbf ] || fail "names.dbf was not written"
grep -aq "Walker, Mary" names.dbf || fail "Walker, Mary is not in names.dbf"

step "Done: the viewer with one entry"
click_form_button "$form" Done
viewer=$(window "Vostrane - Walker, Mary - Natal Chart" 60)
screenshot "$viewer" first-session.png
./vostrane-batch dump 1 >first-entry.json || fail "the first session's entry cannot be read"
cp first-entry.json "$ARTIFACTS/"
grep -q '"name": *"Walker, Mary"' first-entry.json || fail "the first session's entry is not Walker, Mary"

step "File: Clear All Entries and Start New List, after its question"
e2e_press "$viewer" alt+f c
question=$(other_window "Vostrane") || fail "no question before clearing the list"
e2e_press "$question" Return
gone_id "$viewer"
form=$(window "Vostrane - Enter Birth Data" 30)

step "the saved person read from the name file"
type_into "$form" "Walk"
sleep 0.5
e2e_press "$form" Return
question=$(window "Make Selection Desired:")
e2e_press "$question" alt+r
gone "Make Selection Desired:"
import -window "$form" "$ARTIFACTS/form-person-read.png" || fail "no screenshot of the form"
click_form_button "$form" NewNatal

step "a second person typed by hand and saved"
enter_birth_data "$form" "Smith, Anna" "07211975" "061500A"
choose_place "$form" "Paris, France"
click_form_button "$form" Save
confirm_note "Smith, Anna saved"
click_form_button "$form" Done

step "viewer: it opens at the chart typed last"
viewer=$(window "Vostrane - Smith, Anna - Natal Chart" 60)
screenshot "$viewer" viewer-entry2.png

step "Entries menu: entry 1 with the mouse"
# "Entries" is the third title of the menu bar, its first item the other
# entry.
first_menu_item "$viewer" 110
caption_is "$viewer" "Vostrane - Walker, Mary - Natal Chart"
screenshot "$viewer" viewer-entry1.png
cmp -s "$ARTIFACTS/viewer-entry1.png" "$ARTIFACTS/viewer-entry2.png" &&
  fail "choosing entry 1 left the page as it was"

step "Entries menu: back to entry 2, and to entry 1 again"
first_menu_item "$viewer" 110
screenshot "$viewer" viewer-entry2-again.png
cmp -s "$ARTIFACTS/viewer-entry2.png" "$ARTIFACTS/viewer-entry2-again.png" ||
  fail "choosing entry 2 again does not show its page as before"
first_menu_item "$viewer" 110
caption_is "$viewer" "Vostrane - Walker, Mary - Natal Chart"

step "Save as PDF: the file dialog suggests the entry's name in the working folder"
e2e_press "$viewer" alt+p d
dialog=$(window "Save as PDF")
e2e_press "$dialog" Return
gone_id "$dialog"
# The page is drawn and written after the dialog closes; the file appears
# whole (renamed from its temporary file) when it is done.
pdf=Walker_Mary.pdf
for _ in $(seq 150); do [ -f "$pdf" ] && break; sleep 0.2; done
[ -f "$pdf" ] || fail "$pdf was not written"
cp "$pdf" "$ARTIFACTS/"
head -c 5 "$pdf" | grep -q "%PDF-" || fail "$pdf is no PDF file"
tail -c 8 "$pdf" | grep -q "%%EOF" || fail "$pdf is not complete"
pages=$(grep -a -c "/Type /Page$" "$pdf" || true)
[ "$pages" -eq 1 ] || fail "$pdf has $pages pages"
caption_is "$viewer" "Vostrane - Walker, Mary - Natal Chart"

step "Exit to the opening screen"
e2e_press "$viewer" alt+x y
gone_id "$viewer"
caption_is "$main" "Vostrane"

step "Continue with Charts of Previous Session"
e2e_press "$main" alt+s c
viewer=$(window "Vostrane - Walker, Mary - Natal Chart" 60)
screenshot "$viewer" viewer-continued.png
cmp -s "$ARTIFACTS/viewer-entry1.png" "$ARTIFACTS/viewer-continued.png" ||
  fail "the continued session does not open on entry 1 as before"
leave_viewer_to_main_menu "$viewer"

step "session file and name file"
dump_two_entries
grep -q '"name": *"Walker, Mary"' entry1.json || fail "entry 1 is not Walker, Mary read from the name file"
grep -q '"place": *"Chicago, IL"' entry1.json || fail "entry 1 lacks its atlas place"
grep -q '"name": *"Smith, Anna"' entry2.json || fail "entry 2 is not Smith, Anna"
grep -q '"place": *"Paris, France"' entry2.json || fail "entry 2 lacks its atlas place"
# Chicago on 4 July 1975 keeps Central Daylight Time: zone 6 hours west
# with daylight time; Paris in July 1975 is one hour east with summer time.
zone1=$(json_number entry1.json tzone)
dst1=$(json_number entry1.json dstcode)
zone2=$(json_number entry2.json tzone)
dst2=$(json_number entry2.json dstcode)
echo "entry 1: tzone $zone1 dstcode $dst1; entry 2: tzone $zone2 dstcode $dst2"
[ "$zone1" = "6.0" ] || [ "$zone1" = "6" ] || fail "entry 1 has zone $zone1, not 6 (Central time)"
[ "$dst1" = "1" ] || fail "entry 1 has daylight code $dst1, not 1 (daylight time)"
grep -Eq '"julday": *2442[0-9]{3}\.' entry1.json || fail "entry 1 was not calculated"
grep -Eq '"julday": *2442[0-9]{3}\.' entry2.json || fail "entry 2 was not calculated"
for name in "Walker, Mary" "Smith, Anna"; do
  grep -aq "$name" names.dbf || fail "$name is not in names.dbf"
done

step "Quit"
e2e_press "$main" alt+q y
# Waited for in this shell, not in a command substitution: only the shell
# that started the program can collect its exit status.
for ((i = 0; i < 200; i++)); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$program" 2>/dev/null && fail "the program did not end after Quit"
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
cp vostrane.log "$ARTIFACTS/"
echo "full session passed; screenshots and the PDF are in $ARTIFACTS"
