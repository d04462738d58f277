#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds the sanitizer folder shared by tools/ci/sanitize.sh
# (the test suite) and tools/fuzz/run-fuzzers.sh (the libFuzzer targets):
# clang++ with AddressSanitizer and UndefinedBehaviorSanitizer, no Qt
# programs. Every library also carries the fuzzer's coverage
# (-fsanitize=fuzzer-no-link), so one build serves the tests and the fuzz
# targets; only the fuzz targets link the fuzzer itself.
#   tools/ci/sanitizer-build.sh BUILD_FOLDER [TARGET...]   (default: all)
# CMAKE_FLAGS (environment) is passed on to cmake after these settings.
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
BUILD="$1"
shift
JOBS="${JOBS:-$(nproc 2>/dev/null || echo 2)}"

bash "$ROOT/tools/setup-deps.sh" "$BUILD"
# shellcheck disable=SC2086  # CMAKE_FLAGS is a list of words
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVOSTRANE_SANITIZE=ON -DVOSTRANE_FUZZ=ON -DVOSTRANE_BUILD_GUI=OFF \
  -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link ${CMAKE_FLAGS:-}
if (($#)); then
  cmake --build "$BUILD" -j"$JOBS" --target "$@"
else
  cmake --build "$BUILD" -j"$JOBS"
fi
