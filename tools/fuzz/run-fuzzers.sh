#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets of tests/fuzz in the sanitizer build folder
# (tools/ci/sanitizer-build.sh: clang++, AddressSanitizer and
# UndefinedBehaviorSanitizer, no Qt; shared with tools/ci/sanitize.sh) and runs
# each for a bounded time from seeds cut from the generated installation
# files. Fails when any target finds a crash, a leak, a timeout or a
# sanitizer report; the input that did it is left in BUILD/fuzz-artifacts.
#   tools/fuzz/run-fuzzers.sh [BUILD_FOLDER]      (default build/asan)
#   FUZZ_SECONDS=20  time per target
#   JOBS=2           targets run at the same time (default: the cores)
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
BUILD="$(mkdir -p "${1:-$ROOT/build/asan}" && cd "${1:-$ROOT/build/asan}" && pwd)"
SECONDS_EACH="${FUZZ_SECONDS:-20}"
JOBS="${JOBS:-$(nproc 2>/dev/null || echo 2)}"
TARGETS=(fuzz_session fuzz_control fuzz_message_texts fuzz_outer_planets fuzz_asteroids
         fuzz_dst_chain fuzz_dbf fuzz_wheels fuzz_angles fuzz_page_definition)

# clang++ and its fuzzer runtime come from Debian (tools/setup-deps.sh). After
# tools/ci/sanitize.sh on the same folder there is nothing left to build.
bash "$ROOT/tools/ci/sanitizer-build.sh" "$BUILD" fuzz_targets qirtext_dat zorctrl_dat wheel_data \
  ephemeris_files dst_tables

INSTALL="$BUILD/vostrane"
SEEDS="$BUILD/fuzz-seeds"
ARTIFACTS="$BUILD/fuzz-artifacts"
rm -rf "$SEEDS" "$ARTIFACTS"
mkdir -p "$SEEDS" "$ARTIFACTS"
for t in "${TARGETS[@]}"; do mkdir -p "$SEEDS/$t"; done

# Seeds: the generated files, cut to a size the fuzzer can work with, behind
# the few selector bytes each target reads first.
PY=/usr/bin/python3
"$PY" - "$INSTALL" "$SEEDS" <<'PYEOF'
import struct, sys
inst, seeds = sys.argv[1], sys.argv[2]
def read(name, n=None):
    with open(f"{inst}/{name}", "rb") as f:
        return f.read() if n is None else f.read(n)
def seed(target, name, data):
    with open(f"{seeds}/{target}/{name}", "wb") as f:
        f.write(data)

seed("fuzz_control", "zorctrl", read("ZORCTRL.DAT"))
seed("fuzz_message_texts", "qirtext", read("QIRTEXT.DAT", 64 * 71))
seed("fuzz_outer_planets", "lrz5", bytes([0, 3, 0]) + read("LRZ5_24", 60 * 40))
seed("fuzz_outer_planets", "chi", bytes([1, 3, 0]) + read("CHI_24", 12 * 40))
seed("fuzz_asteroids", "pallas", bytes([7, 1]) + read("NVPAL21P.E87", 9 * 300))
seed("fuzz_dst_chain", "dst", bytes([1, 0, 176, 7, 4, 12, 0, 0]) + read("DST.FIL", 8 * 500))
seed("fuzz_dst_chain", "index", bytes([0] * 8) + read("DSTRECS.DAT"))
seed("fuzz_wheels", "wheels", bytes([0, 0, 0, 1]) + read("WHEELS.DAT", 453 * 3))
seed("fuzz_wheels", "pictures", bytes([0, 0, 0, 1]) + read("WHEELSG.DAT"))
angles = read("ANGLES.DAT")
seed("fuzz_angles", "set1", b"1" + angles[:15080])
seed("fuzz_angles", "set2", b"2" + angles[:2 * 15080])
seed("fuzz_page_definition", "pagew", read("PAGEW.DEF"))
seed("fuzz_page_definition", "ayanamsha", b"-00 30 00 \r\n")

# A session of a header, two entries and the terminator.
def entry(name, year, lat, lon):
    e = bytearray(7730)
    e[0] = 1
    struct.pack_into("<h", e, 4056, 1)
    e[4058] = len(name); e[4059:4059 + len(name)] = name
    struct.pack_into("<6i", e, 4084, 5, 17, year, 14, 30, 0)
    struct.pack_into("<3d", e, 4134, lat, lon, 5.0)
    e[6351:6354] = b"TFA"
    return bytes(e)
seed("fuzz_session", "session", bytes(7730) + entry(b"Ann", 1950, 40.7, 74.0)
     + entry(b"Ben", 1987, -33.9, -151.2) + bytes(7730))

# A small atlas: the generated table's header and its first 20 records.
dbf = read("places.dbf", 65536)
header, reclen = struct.unpack_from("<HH", dbf, 8)
small = bytearray(dbf[:header + 20 * reclen]) + b"\x1a"
struct.pack_into("<I", small, 4, 20)
with open(f"{seeds}/small.dbf", "wb") as f:
    f.write(small)
seed("fuzz_dbf", "table", struct.pack("<I", len(small)) + bytes(small))
PYEOF
VOSTRANE_FUZZ_DBF_TABLE="$SEEDS/small.dbf" VOSTRANE_FUZZ_DBF_SEED="$SEEDS/fuzz_dbf/table-and-index" \
  "$BUILD/tests/fuzz/fuzz_dbf"

export VOSTRANE_INSTALL_DIR="$INSTALL"
# The targets' working folders go here; a target stopped by the time limit
# cannot remove its own.
export TMPDIR="$BUILD/fuzz-tmp"
rm -rf "$TMPDIR"
mkdir -p "$TMPDIR"
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1:${UBSAN_OPTIONS:-}"
# One target for its time; the outcome goes to $ARTIFACTS/$t.result. The
# targets run JOBS at a time, each on one core.
run_target() {
  local t="$1" corpus="$BUILD/fuzz-corpus/$1" log="$ARTIFACTS/$1.log" runs
  mkdir -p "$corpus"
  echo "fuzz: $t for ${SECONDS_EACH}s"
  if "$BUILD/tests/fuzz/$t" "$corpus" "$SEEDS/$t" -max_total_time="$SECONDS_EACH" -timeout=20 \
       -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$ARTIFACTS/$t-" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    echo "$t: ${runs:-?} runs, no crash" >"$ARTIFACTS/$t.result"
  else
    echo "FAILED" >"$ARTIFACTS/$t.result"
  fi
  return 0
}
for t in "${TARGETS[@]}"; do
  run_target "$t" &
  while (($(jobs -rp | wc -l) >= JOBS)); do wait -n || true; done
done
wait
failed=()
summary=()
for t in "${TARGETS[@]}"; do
  if [ "$(cat "$ARTIFACTS/$t.result" 2>/dev/null)" = "FAILED" ] || [ ! -f "$ARTIFACTS/$t.result" ]; then
    failed+=("$t")
    summary+=("$t: FAILED (see $ARTIFACTS/$t.log)")
    tail -40 "$ARTIFACTS/$t.log"
  else
    summary+=("$(cat "$ARTIFACTS/$t.result")")
  fi
done
rm -rf "$TMPDIR"
printf '%s\n' "${summary[@]}"
echo "fuzz: $((${#TARGETS[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
if ((${#failed[@]})); then
  echo "fuzz: failed targets: ${failed[*]}"
  exit 1
fi
