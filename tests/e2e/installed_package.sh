#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, unpacked into a scratch root, runs as installed: the
# batch tool and the program keep the user's files in $XDG_DATA_HOME/vostrane
# and write nothing under the installation.
source "$(dirname "$0")/e2e_lib.sh"
build=$1
scratch=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$scratch"' EXIT

# Uncompressed: what is checked is the package's files and fields, and
# compressing some 55 MB took about a quarter of the packaging time.
(cd "$build" && cpack -G DEB -B "$scratch/pkg" -D CPACK_DEBIAN_COMPRESSION_TYPE=none >"$scratch/cpack.log" 2>&1) ||
  { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb=$(ls "$scratch"/pkg/vostrane_*.deb) || fail "no package made"
info=$(dpkg-deb --info "$deb")
[[ "$info" == *"Depends: "*libqt6* ]] || fail "the package does not depend on Qt"
root=$scratch/root
dpkg -x "$deb" "$root"
for path in usr/bin/vostrane usr/bin/vostrane-batch usr/bin/vostrane-batch-render \
  usr/share/vostrane/MANIFEST.TXT usr/share/vostrane/places.dbf usr/share/vostrane/places.VDX \
  usr/share/vostrane/ZORCTRL.DAT usr/share/vostrane/help/index.html \
  usr/share/applications/org.vostrane.Vostrane.desktop usr/share/icons/hicolor/scalable/apps/vostrane.svg \
  usr/share/metainfo/org.vostrane.Vostrane.metainfo.xml; do
  [[ -e "$root/$path" ]] || fail "$path is not in the package"
done
snapshot() { (cd "$root" && find . -printf '%p %s %T@ %m\n' | sort); }
before=$(snapshot)

export HOME=$scratch/home XDG_DATA_HOME=$scratch/xdg
user=$XDG_DATA_HOME/vostrane
mkdir -p "$HOME" "$scratch/work"
cd "$scratch/work"
printf 'name,date,time,lat,lon,zone,dst\n"Ada Test",12/10/1815,13:00:00,51.5,0.12,0,N\n' >births.csv
"$root/usr/bin/vostrane-batch" new "Ada Test" 12/10/1815 13:00:00 51.5 0.12 0 N London ||
  fail "the installed batch tool could not add an entry"
"$root/usr/bin/vostrane-batch" calc || fail "the installed batch tool could not calculate"
"$root/usr/bin/vostrane-batch" chart-csv births.csv charts.csv || fail "chart-csv failed"
[[ $(wc -l <charts.csv) -eq 2 ]] || fail "chart-csv did not write its file where it was started"
for file in INPUT.FIL ZORCTRL.DAT; do
  [[ -f "$user/$file" && ! -L "$user/$file" ]] || fail "$file is not in the user's folder"
done
for file in QIRTEXT.DAT places.dbf places.VDX; do
  [[ -L "$user/$file" ]] || fail "$file is not read from the installation"
done

# The program, offscreen, until it has opened its files.
QT_QPA_PLATFORM=offscreen "$root/usr/bin/vostrane" >"$scratch/program.log" 2>&1 &
program=$!
E2E_PIDS+=("$program")
for _ in $(seq 100); do
  [[ -f "$user/names.dbf" && -f "$user/TEMP.TMP" ]] && break
  kill -0 "$program" 2>/dev/null || break
  sleep 0.2
done
kill -0 "$program" 2>/dev/null || { cat "$scratch/program.log"; fail "the program ended at start"; }
kill "$program"
wait "$program" 2>/dev/null || true
[[ -f "$user/names.dbf" && ! -L "$user/names.dbf" ]] || fail "the name file is not in the user's folder"

[[ "$(snapshot)" == "$before" ]] || {
  diff <(echo "$before") <(snapshot) || true
  fail "files under the installation changed"
}
echo "installed package: ok"
