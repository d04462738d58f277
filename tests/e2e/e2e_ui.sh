# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers of the end-to-end scripts that drive the program's windows: waits
# on windows and captions, real key and mouse events, the birth data form
# and screenshots. Source after e2e_lib.sh with ARTIFACTS set (the folder
# that keeps screenshots and, on failure, a picture of the whole screen) and
# `main` set to the main window's id once it is known.

step() { echo "--- $(date +%T) $*"; }

# e2e_artifacts DIR: an empty folder for the screenshots, kept in ARTIFACTS.
e2e_artifacts() {
  rm -rf "$1"
  mkdir -p "$1"
  ARTIFACTS="$(cd "$1" && pwd)"
}

# Starts the program of the current folder, logging to vostrane.log; sets
# `program` to its process id and `main` to its main window.
start_program() {
  ./vostrane >vostrane.log 2>&1 &
  program=$!
  E2E_PIDS+=($program)
  main=$(window "Vostrane")
}

# A failure keeps a picture of the whole screen and the program's log.
fail() {
  E2E_EXPLAINED=1
  echo "FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ]; then
    import -window root "$ARTIFACTS/failure.png" 2>/dev/null || true
    for id in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
      echo "window $id: $(xdotool getwindowname "$id" 2>/dev/null)" >&2
    done
  fi
  [ -f vostrane.log ] && cp vostrane.log "$ARTIFACTS/" || true
  exit 1
}

# A window whose title matches exactly, waiting for it.
window() { e2e_wait_window "^$1\$" "${2:-20}" || fail "no window \"$1\""; }

# A window titled NAME other than the main window (whose caption the
# message boxes and menus of the program share), waiting for it. A title
# search does not find the pop-up menus, so every window's title is read.
other_window() {
  for ((i = 0; i < 150; i++)); do
    for id in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
      if [ "$id" != "${main:-}" ] && [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}

# Waits until no visible window has the title.
gone() {
  for ((i = 0; i < 200; i++)); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "the window \"$1\" stays open"
}

# Waits until the window with this id is no longer shown.
gone_id() {
  for ((i = 0; i < 150; i++)); do
    xdotool search --onlyvisible --name "" 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.1
  done
  fail "the window $1 stays open"
}

# Waits for the window's caption.
caption_is() {
  for ((i = 0; i < 150; i++)); do
    [ "$(xdotool getwindowname "$1" 2>/dev/null)" = "$2" ] && return 0
    sleep 0.1
  done
  fail "the caption is \"$(xdotool getwindowname "$1")\", not \"$2\""
}

# Types text into the focused field of the window as real key events.
type_into() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  xdotool type --delay 40 "$2"
}

# A mouse click at (x, y) of the window; the pointer moves there first so
# that the toolkit sees it arrive.
click() {
  xdotool mousemove --window "$1" 300 300
  sleep 0.2
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.3
  xdotool click 1
}

# Opens the menu of the menu bar title at x of the window and clicks its
# first item; the pop-up menu carries the program's caption.
first_menu_item() {
  local popup
  click "$1" "$2" 10
  popup=$(other_window "Vostrane") || fail "the menu at x=$2 did not open"
  click "$popup" 100 12
  gone_id "$popup"
}

# Answers the "not saved in the name file" question with "No".
answer_no_save() {
  local box
  box=$(window "Name Not Saved on Disk")
  e2e_press "$box" alt+n
  gone_id "$box"
}

# Confirms a note of the program (caption "Vostrane") with Enter.
confirm_note() {
  local note
  note=$(other_window "Vostrane") || fail "no note: $1"
  e2e_press "$note" Return
  gone_id "$note"
}

# The birth data form: name, date MMDDYYYY and time HHMMSS + A/P typed, each
# ended with Enter.
enter_birth_data() {
  local form="$1"
  type_into "$form" "$2"
  e2e_press "$form" Return
  type_into "$form" "$3"
  e2e_press "$form" Return
  type_into "$form" "$4"
  e2e_press "$form" Return
}

# A place typed until the atlas lists it first, then "Get First Place In
# List": the first letter opens the place lookup, the rest is typed there.
choose_place() {
  local form="$1" place="$2" lookup
  type_into "$form" "${place:0:1}"
  lookup=$(window "Enter Place")
  sleep 0.3
  type_into "$lookup" "${place:1}"
  sleep 0.5
  e2e_press "$lookup" alt+g
  gone "Enter Place"
}

# The form's buttons below its fields, by mouse: the name field, which gets
# the focus back after the place lookup, takes any key release (such as
# that of Alt+N) for typing and opens its name list.
click_form_button() {
  local x
  case "$2" in
    Done) x=51 ;;
    NewNatal) x=137 ;;
    Save) x=223 ;;
    *) fail "no form button $2" ;;
  esac
  xdotool windowfocus --sync "$1"
  click "$1" "$x" 517
}

# A screenshot of the window once its painting has settled (two pictures
# in a row alike), checked to show a drawn page.
screenshot() {
  local file="$ARTIFACTS/$2" previous="$ARTIFACTS/.previous.png"
  import -window "$1" "$previous" || fail "no screenshot $2"
  for ((i = 0; i < 30; i++)); do
    sleep 0.3
    import -window "$1" "$file" || fail "no screenshot $2"
    cmp -s "$file" "$previous" && break
    cp "$file" "$previous"
  done
  rm -f "$previous"
  # A drawn wheel page has many colours; a blank or failed one has few.
  local colours
  colours=$(identify -format %k "$file")
  [ "$colours" -ge 40 ] || fail "the screenshot $2 shows no chart ($colours colours)"
}

# A JSON number field of a dumped entry.
json_number() {
  /usr/bin/python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))[sys.argv[2]])' "$1" "$2"
}

# From the viewer's exit menu back to the idle main window.
leave_viewer_to_main_menu() {
  local viewer="$1" menu
  e2e_press "$viewer" Escape
  menu=$(window "Exit to Main Menu or Data Entry Screen")
  e2e_press "$menu" alt+m
  gone_id "$viewer"
  caption_is "$main" "Vostrane"
}

# The session file holds a header, two entries and a terminator; both
# entries are dumped to entry1.json and entry2.json (kept in ARTIFACTS).
dump_two_entries() {
  local size
  size=$(stat -c %s INPUT.FIL)
  [ "$size" -eq $((4 * 7730)) ] || fail "INPUT.FIL has $size bytes, not header, two entries and terminator"
  ./vostrane-batch dump 1 >entry1.json || fail "entry 1 cannot be read"
  ./vostrane-batch dump 2 >entry2.json || fail "entry 2 cannot be read"
  cp entry1.json entry2.json "$ARTIFACTS/"
}
