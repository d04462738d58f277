#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Chart settings as a user sets them, with real key events: Preferences...
# in the main menu makes Koch and the sidereal zodiac the defaults (written
# into ZORCTRL.DAT, every other byte kept), a new chart starts with them, the
# viewer is titled after the chart, and the entry holds them.
#
# usage: chart_settings.sh INSTALL_DIR ARTIFACTS_DIR
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/e2e_ui.sh"

e2e_artifacts "$2"

e2e_install_copy "$1"
rm -f names.dbf names.* INPUT.FIL ./*.pdf
cp ZORCTRL.DAT ZORCTRL.before
e2e_start_xvfb

step "start"
start_program

step "Preferences: Koch and sidereal for new charts"
e2e_press "$main" alt+p
prefs=$(window "Vostrane - Preferences")
import -window "$prefs" "$ARTIFACTS/preferences.png" || fail "no screenshot of the preferences"
# The house systems run Campanus, Equal, Koch, ...; the zodiacs Tropical, Sidereal.
e2e_press "$prefs" alt+h Home Down Down alt+z Down Return
gone "Vostrane - Preferences"
cmp -l ZORCTRL.before ZORCTRL.DAT >changed.txt || true
# cmp counts bytes from 1: offset 88 is byte 89, offset 90 byte 91.
[ "$(awk '{print $1}' changed.txt | tr '\n' ' ')" = "89 91 " ] ||
  fail "ZORCTRL.DAT changed in other bytes than the zodiac and house system: $(cat changed.txt)"
[ "$(od -A n -t c -j 88 -N 3 ZORCTRL.DAT | tr -d ' ')" = "SYC" ] ||
  fail "ZORCTRL.DAT holds $(od -A n -t c -j 88 -N 3 ZORCTRL.DAT) at 88..90"

step "a new chart with the defaults"
e2e_press "$main" alt+s n
form=$(window "Vostrane - Enter Birth Data")
enter_birth_data "$form" "Lee, Ann" "07041990" "023615P"
choose_place "$form" "Paris, France"
import -window "$form" "$ARTIFACTS/form.png" || fail "no screenshot of the form"
click_form_button "$form" Done
answer_no_save

step "the viewer names the chart; the main window does not ask to wait"
viewer=$(window "Vostrane - Lee, Ann - Natal Chart" 60)
caption_is "$main" "Vostrane"
leave_viewer_to_main_menu "$viewer"

step "the entry holds the house system and zodiac"
./vostrane-batch dump 1 >entry1.json || fail "entry 1 cannot be read"
cp entry1.json "$ARTIFACTS/"
grep -q '"housesys": *"C"' entry1.json || fail "entry 1 is not calculated with Koch houses"
grep -q '"zodsel": *"S"' entry1.json || fail "entry 1 is not sidereal"
echo "PASS"
