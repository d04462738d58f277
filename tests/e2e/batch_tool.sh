#!/usr/bin/env bash
# The batch tool runs in a copy of the installation folder and documents its commands.
source "$(dirname "$0")/e2e_lib.sh"

e2e_install_copy "$1"
version=$(./vostrane-batch version) || fail "version failed"
[[ "$version" == Vostrane\ * ]] || fail "unexpected version text: $version"
./vostrane-batch --help | grep -q "version" || fail "--help does not list version"
if ./vostrane-batch no-such-command 2>/dev/null; then fail "an unknown command succeeded"; fi

# place: the rows of the place lookup with what reading each fills in.
rows=$(./vostrane-batch place "Calcutta" 06/15/1990 14:30:00) || fail "place failed"
/usr/bin/python3 - "$rows" <<'PY' || fail "unexpected place rows: $rows"
import json, sys
rows = json.loads(sys.argv[1])
first = rows[0]
assert len(rows) == 16, len(rows)
assert first["row"] == "Calcutta = Kolkata, India" and first["name"] == "Kolkata, India", first
assert abs(first["latitude"] - 22.5626) < 0.05 and abs(first["longitude"] + 88.3630) < 0.05, first
assert first["zone"] == -5.5 and first["daylight"] == "N", first
assert len({r["row"] for r in rows}) == len(rows)
PY
zurich=$(./vostrane-batch place "zürich") || fail "place without a date failed"
[[ "$zurich" == '[{"row": "Zürich, '* && "$zurich" != *'"zone"'* ]] || fail "unexpected rows for zürich: $zurich"
if ./vostrane-batch place "Paris" 13/45/1990 10:00:00 2>/dev/null; then fail "a bad date was taken"; fi
echo "batch tool: $version"
