#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Derived charts made in the program with real key events: a natal chart
# typed into the form, its transits and its solar return made through "New
# Derived Chart...", all three calculated and shown (the derived charts as
# bi-wheels with the natal chart inside), pages saved as PDF, and a lunar
# return added from the viewer, which opens again at it. Checks the session
# file and that the bi-wheel's PDF carries more drawing than the single
# wheel's.
#
# usage: derived_charts.sh INSTALL_DIR ARTIFACTS_DIR
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/e2e_ui.sh"

e2e_artifacts "$2"

e2e_install_copy "$1"
rm -f names.dbf names.* INPUT.FIL ./*.pdf
e2e_start_xvfb

# The dialog of a derived chart: the kind chosen with Down from the first
# ("Transits", "Secondary Progressions", "Solar Arc Directions", "Solar
# Return", "Lunar Return", ...), a screenshot, and OK with Enter. The
# dialog is opened with the keys after the picture's name.
derive() {
  local owner="$1" downs="$2" picture="$3" dialog keys=()
  shift 3
  e2e_press "$owner" "$@"
  dialog=$(window "New Derived Chart")
  for ((i = 0; i < downs; i++)); do keys+=(Down); done
  [ "${#keys[@]}" -eq 0 ] || e2e_press "$dialog" "${keys[@]}"
  sleep 0.3
  import -window "$dialog" "$ARTIFACTS/$picture" || fail "no screenshot of the dialog"
  e2e_press "$dialog" Return
  gone_id "$dialog"
}

# Saves the viewer's page as PDF under the typed file name.
save_pdf() {
  local viewer="$1" file="$2" dialog
  e2e_press "$viewer" alt+p d
  dialog=$(window "Save as PDF")
  sleep 0.3
  e2e_press "$dialog" ctrl+a
  type_into "$dialog" "$file"
  e2e_press "$dialog" Return
  gone_id "$dialog"
  for _ in $(seq 150); do [ -f "$file" ] && break; sleep 0.2; done
  [ -f "$file" ] || fail "$file was not written"
  head -c 5 "$file" | grep -q "%PDF-" || fail "$file is no PDF file"
  local pages
  pages=$(grep -a -c "/Type /Page$" "$file" || true)
  [ "$pages" -eq 1 ] || fail "$file has $pages pages"
  cp "$file" "$ARTIFACTS/"
}

# The bytes of a PDF's drawing: its page content streams, unpacked.
drawn_bytes() {
  /usr/bin/python3 - "$1" <<'EOF'
import re, sys, zlib
data = open(sys.argv[1], "rb").read()
total = 0
for m in re.finditer(rb"<<(.*?)>>\s*stream\r?\n", data, re.S):
    start = m.end()
    end = data.find(b"endstream", start)
    body = data[start:end]
    if b"/FlateDecode" in m.group(1):
        try:
            body = zlib.decompressobj().decompress(body)
        except zlib.error:
            continue
    # Page content: path and text operators, not fonts or images.
    if re.search(rb"\b(re|l|m|c) ?\n", body) or b" Tj" in body or b"TJ" in body:
        total += len(body)
print(total)
EOF
}

step "start"
start_program

step "a natal chart typed into the form"
e2e_press "$main" alt+s n
form=$(window "Vostrane - Enter Birth Data")
enter_birth_data "$form" "Lane, Maria" "05141985" "083000A"
choose_place "$form" "Paris, France"

step "its transits and its solar return through New Derived Chart (Alt+R)"
derive "$form" 0 dialog-transits.png alt+r
derive "$form" 3 dialog-solar-return.png alt+r
sleep 0.3
import -window "$form" "$ARTIFACTS/form-with-derived.png" || fail "no screenshot of the form"
[ "$(stat -c %s INPUT.FIL)" -ge $((4 * 7730)) ] || fail "the derived charts were not written to INPUT.FIL"
click_form_button "$form" Done
answer_no_save

step "the natal chart, then its transits as a bi-wheel"
viewer=$(window "Vostrane - Lane, Maria - Natal Chart" 90)
screenshot "$viewer" viewer-natal.png
save_pdf "$viewer" natal.pdf
# "Entries" is the third title of the menu bar; its items are the other
# entries in order.
click "$viewer" 110 10
popup=$(other_window "Vostrane") || fail "the Entries menu did not open"
click "$popup" 100 12
gone_id "$popup"
caption_is "$viewer" "Vostrane - Lane, Maria - Transits"
screenshot "$viewer" viewer-transits.png
cmp -s "$ARTIFACTS/viewer-natal.png" "$ARTIFACTS/viewer-transits.png" &&
  fail "the transits show the natal page"
save_pdf "$viewer" transits.pdf
caption_is "$viewer" "Vostrane - Lane, Maria - Transits"
natal_bytes=$(drawn_bytes natal.pdf)
transit_bytes=$(drawn_bytes transits.pdf)
echo "page drawing: natal $natal_bytes bytes, transits $transit_bytes bytes"
[ "$transit_bytes" -gt $((natal_bytes * 11 / 10)) ] ||
  fail "the transits' PDF ($transit_bytes bytes of drawing) holds no more than the single wheel ($natal_bytes)"

step "the solar return as a bi-wheel"
e2e_press "$viewer" alt+e Down Return
caption_is "$viewer" "Vostrane - Lane, Maria - Solar Return"
screenshot "$viewer" viewer-solar-return.png
save_pdf "$viewer" solar-return.pdf

step "Add Derived Chart in the viewer: a lunar return of the natal chart"
e2e_press "$viewer" alt+e Return
caption_is "$viewer" "Vostrane - Lane, Maria - Natal Chart"
# The File menu's "Add &Derived Chart..." is reached with its letter.
derive "$viewer" 4 dialog-lunar-return.png alt+f d
viewer=$(window "Vostrane - Lane, Maria - Lunar Return" 90)
screenshot "$viewer" viewer-lunar-return.png
leave_viewer_to_main_menu "$viewer"

step "the session file"
[ "$(stat -c %s INPUT.FIL)" -eq $((6 * 7730)) ] || fail "INPUT.FIL does not hold four entries and the terminator"
for k in 1 2 3 4; do
  ./vostrane-batch dump $k >entry$k.json || fail "entry $k cannot be read"
  cp entry$k.json "$ARTIFACTS/"
done
[ "$(json_number entry2.json charttype)" = 8 ] || fail "entry 2 is not the transits"
[ "$(json_number entry3.json charttype)" = 2 ] || fail "entry 3 is not the solar return"
[ "$(json_number entry4.json charttype)" = 3 ] || fail "entry 4 is not the lunar return"
for k in 2 3 4; do
  grep -Eq '"julday": *24[0-9]{5}\.' entry$k.json || fail "entry $k was not calculated"
done

step "Quit"
e2e_press "$main" alt+q y
e2e_wait_exit "$program" 20 || fail "the program did not end after Quit"
[ "$E2E_STATUS" -eq 0 ] || fail "the program ended with status $E2E_STATUS"
cp vostrane.log "$ARTIFACTS/"
echo "PASS"
