#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything but the Qt programs with clang++, AddressSanitizer and
# UndefinedBehaviorSanitizer in its own build folder (tools/ci/sanitizer-build.sh,
# which the fuzzers share) and runs the test suite there. Any sanitizer
# report ends the test that made it, so the run fails.
#   tools/ci/sanitize.sh [BUILD_FOLDER]      (default build/asan)
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
BUILD="${1:-$ROOT/build/asan}"
JOBS="${JOBS:-$(nproc 2>/dev/null || echo 2)}"

bash "$ROOT/tools/ci/sanitizer-build.sh" "$BUILD"

# Stop at the first report of either sanitizer, with a stack trace.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1:${UBSAN_OPTIONS:-}"
cd "$BUILD"
# Left out here because the g++ run of the suite already has them and no code
# of ours runs under the sanitizers in them, or only what other tests run
# there too: the Python checks of the include layers, the scan of the
# programs' texts, and the walk through every generated place (a check of the
# generated data, which both builds make alike; the place search it samples
# runs under the sanitizers in the other GeneratedPlaces and PlacesRobustness
# tests).
NOT_UNDER_SANITIZERS='^(architecture\.|texts\.own_voice$|GeneratedPlaces\.EveryPlaceIsThereFoundByItsOwnNameAndNoTwoRowsAlike$)'
ctest --output-on-failure -j"$JOBS" --timeout 900 -E "$NOT_UNDER_SANITIZERS"
