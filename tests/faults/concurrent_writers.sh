#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Twenty writers at once, 50 rounds: ten "new" and ten "derive" processes
# append to one INPUT.FIL at the same time. Every process must succeed with
# an entry number of its own, and every entry must be in the file once, at
# the number its process printed. (50 rounds of 20 take some tens of
# seconds on two cores; WRITER_ROUNDS changes the number.)
source "$(dirname "$0")/faults_lib.sh"
e2e_install_copy "$1"
rm -f INPUT.FIL
./vostrane-batch new "Base" 01/02/1960 12:00:00 40 74 5 N Base >/dev/null || fail "the base entry could not be made"
rounds=${WRITER_ROUNDS:-50}
mkdir -p .out
for ((round = 1; round <= rounds; round++)); do
  pids=()
  for ((i = 0; i < 10; i++)); do
    ./vostrane-batch new "N$round.$i" 03/04/1985 10:30:00 40.7 74.0 5 N "P$round.$i" >".out/N$round.$i" 2>>writers.err &
    pids+=($!)
    ./vostrane-batch derive 1 relocated 51.5 0.1 0 N "R$round.$i" >".out/R$round.$i" 2>>writers.err &
    pids+=($!)
  done
  for pid in "${pids[@]}"; do
    wait "$pid" || fail "round $round: a writer failed: $(head -3 writers.err)"
  done
done
/usr/bin/python3 - "$rounds" <<'PY' || fail "entries lost, doubled or misplaced"
import os, sys
SIZE, NAME, PLACE = 7730, 4058, 4108
data = open("INPUT.FIL", "rb").read()
def text(e, at):
    return e[at + 1:at + 1 + e[at]].decode("cp1252")
entries = []
for r in range(1, len(data) // SIZE):
    e = data[r * SIZE:(r + 1) * SIZE]
    if e[0] == 0:
        break
    entries.append(e)
expected = 1 + 20 * int(sys.argv[1])
if len(entries) != expected:
    sys.exit(f"{len(entries)} entries, {expected} written")
seen = set()
for tag in os.listdir(".out"):
    number = int(open(".out/" + tag).read())
    if number in seen:
        sys.exit(f"entry number {number} printed twice")
    seen.add(number)
    e = entries[number - 1]
    got = text(e, NAME) if tag[0] == "N" else text(e, PLACE)
    if got != tag:
        sys.exit(f"entry {number} holds {got}, not {tag}")
print(f"{expected} entries, each once at its own number")
PY
echo "$rounds rounds of 20 writers at once: no entry lost or doubled"
