#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the C++ sources (every tracked *.h and *.cpp) against .clang-format.
#   tools/ci/format.sh          lists the files clang-format would change;
#                               exit status 1 when there is any
#   tools/ci/format.sh --fix    reformats those files in place
# The tree is formatted with clang-format 14, and other major versions lay
# out some lines differently, so only that version is used: clang-format-14
# when there is one, else clang-format if it is version 14. CLANG_FORMAT
# names another program, which must be version 14 as well.
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
MAJOR=14
cd "$ROOT"

# The major version a clang-format program reports, empty when it does not run.
major_of() {
  { "$1" --version 2>/dev/null || true; } | sed -n 's/.*clang-format version \([0-9]*\)\..*/\1/p' | head -1
}

if [ -n "${CLANG_FORMAT:-}" ]; then
  candidates=("$CLANG_FORMAT")
else
  candidates=("clang-format-$MAJOR" clang-format)
fi
CLANG_FORMAT=""
for candidate in "${candidates[@]}"; do
  if command -v "$candidate" >/dev/null 2>&1 && [ "$(major_of "$candidate")" = "$MAJOR" ]; then
    CLANG_FORMAT="$candidate"
    break
  fi
done
if [ -z "$CLANG_FORMAT" ]; then
  for candidate in "${candidates[@]}"; do
    if command -v "$candidate" >/dev/null 2>&1; then
      found="$(major_of "$candidate")"
      echo "format: $candidate is ${found:+version $found, }not clang-format $MAJOR" >&2
    fi
  done
  echo "format: clang-format $MAJOR is needed (the tree is formatted with it). Install it" \
    "(Debian package clang-format-$MAJOR, or clang-format on Debian 12; tools/setup-deps.sh" \
    "does that), or point CLANG_FORMAT at a clang-format $MAJOR program." >&2
  exit 2
fi

mapfile -t files < <(git ls-files -- '*.h' '*.cpp')
if ((${#files[@]} == 0)); then
  echo "format: no C++ files found under $ROOT" >&2
  exit 2
fi

case "${1:-}" in
  --fix)
    printf '%s\0' "${files[@]}" | xargs -0 "$CLANG_FORMAT" -i --style=file
    echo "format: ${#files[@]} files formatted"
    ;;
  "")
    # --dry-run names every line that would change; keep one name per file.
    if ! report=$(printf '%s\0' "${files[@]}" | xargs -0 "$CLANG_FORMAT" --dry-run --style=file 2>&1); then
      printf '%s\n' "$report" | grep -v 'code should be clang-formatted' | tail -20 >&2
      echo "format: $CLANG_FORMAT failed" >&2
      exit 2
    fi
    mapfile -t differing < <(printf '%s\n' "$report" |
      sed -n 's/^\(.*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' | sort -u)
    if ((${#differing[@]})); then
      printf '%s\n' "${differing[@]}"
      echo "format: ${#differing[@]} of ${#files[@]} files differ from .clang-format;" \
        "run tools/ci/format.sh --fix" >&2
      exit 1
    fi
    echo "format: ${#files[@]} files formatted as .clang-format says"
    ;;
  *)
    echo "usage: tools/ci/format.sh [--fix]" >&2
    exit 2
    ;;
esac
