#!/usr/bin/env bash
# Checks the C++ sources (every tracked *.h and *.cpp) against .clang-format.
#   tools/ci/format.sh          lists the files clang-format would change;
#                               exit status 1 when there is any
#   tools/ci/format.sh --fix    reformats those files in place
# CLANG_FORMAT names the program (default clang-format, Debian's version 14).
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
CLANG_FORMAT="${CLANG_FORMAT:-clang-format}"
cd "$ROOT"

if ! command -v "$CLANG_FORMAT" >/dev/null 2>&1; then
  echo "format: $CLANG_FORMAT not found (Debian package clang-format); run tools/setup-deps.sh" >&2
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
