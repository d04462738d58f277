#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two installations share one name file through symbolic links and calculate
# into it at the same time, 20 rounds; between rounds another program packs,
# appends and renames records in place. No write-back may be lost or land on
# a wrong person, both runs must succeed, and the links must stay links to
# the one shared table and index.
source "$(dirname "$0")/faults_lib.sh"
e2e_install_copy "$1"
shared="$E2E_DIR/.shared"
mkdir -p "$shared"
mkdir -p "$shared/a" "$shared/b"
for f in "$E2E_DIR"/*; do
  cp -a "$f" "$shared/a/"
  cp -a "$f" "$shared/b/"
done

cd "$shared/a"
faults_session "Ann Lee" "Bea Roy" "Cy Dunn" "Di Ekko"
cd "$shared/b"
faults_session "Ed Fox" "Flo Gray" "Gus Hart" "Hal Ives"
cd "$shared"
"${TOOL[@]}" create names.dbf "$SOURCE_DIR/names/NameTable.cpp" "Xtra 0" "Ann Lee" "Ed Fox" "Bea Roy" "Flo Gray" \
  "Cy Dunn" "Gus Hart" "Di Ekko" "Hal Ives"
for d in a b; do
  rm -f "$d/names.dbf" "$d/names.VDX"
  ln -s ../names.dbf "$d/names.dbf"
  ln -s "$shared/names.VDX" "$d/names.VDX"
done

for ((round = 1; round <= 20; round++)); do
  "${TOOL[@]}" clear names.dbf
  (cd a && ./vostrane-batch calc 2>calc.err) &
  first=$!
  (cd b && ./vostrane-batch calc 2>calc.err) &
  second=$!
  wait "$first" || fail "round $round: calc in a failed: $(cat a/calc.err)"
  wait "$second" || fail "round $round: calc in b failed: $(cat b/calc.err)"
  "${TOOL[@]}" check names.dbf a/INPUT.FIL b/INPUT.FIL || fail "round $round: write-backs lost or misplaced"
  # Another program at work between the rounds: records move, names change.
  case $((round % 4)) in
    0) "${TOOL[@]}" delete names.dbf "Xtra $((round - 4))"
       "${TOOL[@]}" pack names.dbf
       "${TOOL[@]}" append names.dbf "Xtra $round" ;;
    1) "${TOOL[@]}" append names.dbf "Yan $round" ;;
    2) "${TOOL[@]}" rename names.dbf "Yan $((round - 1))" "Zed $round" ;;
  esac
done
for d in a b; do
  [ -L "$d/names.dbf" ] && [ -L "$d/names.VDX" ] || fail "the links of $d were replaced"
done
[ -f names.VDX ] || fail "the shared index is not where the links point"
echo "20 rounds of two calculations into one name file: nothing lost, nothing misplaced"
