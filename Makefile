# SPDX-License-Identifier: GPL-3.0-or-later
# Top-level entry points. Both targets first install whatever the machine is
# missing (Debian packages, npm packages into the build tree), then configure,
# build and assemble the installation folder build/vostrane/.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

PREFIX ?= /usr/local
DESTDIR ?=

# One target at a time, also under `make -j`: check, check-sanitize and fuzz
# share build folders and would otherwise build in them at the same time.
# Each build still runs $(JOBS) compilers in parallel.
.NOTPARALLEL:

.PHONY: all setup configure build run install package check quick test bench check-sanitize fuzz format format-check clean

all: build

# Returns at once when the build folder's stamp says that this version of the
# script has already run on this machine and the key commands are there.
setup:
	@bash tools/setup-deps.sh $(BUILD)

configure: setup
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	cd $(BUILD)/vostrane && ./vostrane

# The programs under $(PREFIX)/bin, their read-only data under
# $(PREFIX)/share/vostrane (DESTDIR puts the whole tree under a staging root).
# Installed, the program keeps each user's files in $XDG_DATA_HOME/vostrane.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# A Debian package (CPack) of the same files under /usr, in $(BUILD).
package: build
	cd $(BUILD) && cpack -G DEB

# The test suite through ctest: unit, robustness and end-to-end tests.
check: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) --timeout 900

# The unit tests but the slow ones, after an incremental build: the check to
# run after each change (the set-up runs only when the build folder is new).
quick:
	@test -f $(BUILD)/CMakeCache.txt || $(MAKE) configure
	cmake --build $(BUILD) -j$(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -L unit -LE slow -j$(JOBS) --output-on-failure --timeout 300

# Everything: the format check, the suite, then the sanitizer build (clang++)
# and the fuzzers, which share it.
test: format-check check check-sanitize fuzz

# Lists the C++ files that differ from .clang-format (and fails if any do);
# `make format` reformats them.
format-check: setup
	bash tools/ci/format.sh

format: setup
	bash tools/ci/format.sh --fix

bench: build
	bash tools/benchmarks/bench $(BUILD)

# The non-GUI tests built with clang++, AddressSanitizer and UBSan, in their
# own folder; CMAKE_FLAGS applies there too.
check-sanitize: setup
	CMAKE_FLAGS="$(CMAKE_FLAGS)" JOBS=$(JOBS) bash tools/ci/sanitize.sh $(BUILD)/asan

# Every libFuzzer target for a bounded time (FUZZ_SECONDS each, default 20),
# built in the sanitizer folder.
fuzz: setup
	CMAKE_FLAGS="$(CMAKE_FLAGS)" JOBS=$(JOBS) bash tools/fuzz/run-fuzzers.sh $(BUILD)/asan

clean:
	rm -rf $(BUILD)
