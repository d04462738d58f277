# SPDX-License-Identifier: GPL-3.0-or-later
# Shared helpers of the end-to-end scripts: a private Xvfb display, a fresh
# copy of the installation folder, waiting for windows, and clean-up.
set -eEuo pipefail

E2E_PIDS=()
E2E_DIR=""

# No failure is silent: the ERR trap notes each command that fails where
# set -e would end the script (inside functions too), and the clean-up on
# exit names the last one when the script ends in error without fail()
# having said why. A skipped test (77) says so itself.
E2E_LAST_ERROR=""
E2E_EXPLAINED=""
trap 'E2E_LAST_ERROR="${BASH_SOURCE[0]##*/}:$LINENO: \"$BASH_COMMAND\" ended with status $?"' ERR

# e2e_cleanup [STATUS]: stops the programs started and removes the copy;
# STATUS is the script's exit status when the caller's EXIT trap ran other
# commands first.
e2e_cleanup() {
  local status=${1:-$?}
  if ((status != 0 && status != 77)) && [ -z "$E2E_EXPLAINED" ]; then
    echo "FAIL: ${E2E_LAST_ERROR:-${0##*/} ended with status $status}" >&2
  fi
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [ -n "$E2E_DIR" ]; then rm -rf "$E2E_DIR"; fi
}
trap e2e_cleanup EXIT

fail() {
  E2E_EXPLAINED=1
  echo "FAIL: $*" >&2
  exit 1
}

# e2e_install_copy INSTALL_DIR: copies the installation folder into a folder
# of this run's own and cds there.
e2e_install_copy() {
  [ -x "$1/vostrane-batch" ] || fail "$1 holds no vostrane-batch: build the installation folder first"
  E2E_DIR=$(mktemp -d /tmp/vostrane-e2e-XXXXXX) || fail "cannot make a temporary folder"
  cp -a "$1"/. "$E2E_DIR"/ || fail "cannot copy the installation folder $1 to $E2E_DIR"
  cd "$E2E_DIR"
}

# e2e_start_xvfb [WIDTHxHEIGHT]: starts Xvfb on a free display (1280x900
# unless told) and exports DISPLAY.
e2e_start_xvfb() {
  local fifo="$E2E_DIR/.displayfd"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${1:-1280x900}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  E2E_PIDS+=($!)
  local number
  read -r -t 20 number <"$fifo" || fail "Xvfb did not start"
  export DISPLAY=":$number"
  export QT_QPA_PLATFORM=xcb
}

# e2e_wait_window NAME [SECONDS]: prints the id of the first window whose
# title matches NAME, waiting for it to appear.
e2e_wait_window() {
  local name="$1" seconds="${2:-20}" id=""
  for ((i = 0; i < seconds * 10; i++)); do
    id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# e2e_wait_exit PID [SECONDS]: waits for the process and sets E2E_STATUS to
# its exit status. Call it directly, not in $(...): only the shell that
# started the program can collect its status.
E2E_STATUS=""
e2e_wait_exit() {
  local pid="$1" seconds="${2:-20}"
  E2E_STATUS=""
  for ((i = 0; i < seconds * 10; i++)); do
    if ! kill -0 "$pid" 2>/dev/null; then
      local status=0
      wait "$pid" || status=$?
      E2E_STATUS="$status"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# e2e_press WINDOW KEY...: gives the window the keyboard focus (there is no
# window manager) and presses the keys as real key events.
e2e_press() {
  local window="$1"
  shift
  xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
  xdotool key --delay 50 "$@"
}
