# Top-level entry points. Both targets first install whatever the machine is
# missing (Debian packages, npm packages into the build tree), then configure,
# build and assemble the installation folder build/vostrane/.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all setup configure build run check quick test bench check-sanitize fuzz clean

all: build

setup:
	@bash tools/setup-deps.sh $(BUILD)

configure: setup
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	cd $(BUILD)/vostrane && ./vostrane

# The test suite through ctest: unit, robustness and end-to-end tests.
check: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) --timeout 900

# The unit tests only, after an incremental build: the check to run after
# each change (the set-up runs only when the build folder is new).
quick:
	@test -f $(BUILD)/CMakeCache.txt || $(MAKE) configure
	cmake --build $(BUILD) -j$(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -L unit -j$(JOBS) --output-on-failure --timeout 300

# Everything: the suite, then the sanitizer build and the fuzzers.
test: check check-sanitize fuzz

bench: build
	bash tools/bench $(BUILD)

# The non-GUI tests built with AddressSanitizer and UBSan, in their own folder.
check-sanitize: setup
	bash tools/ci/sanitize.sh $(BUILD)/asan

# Every libFuzzer target for a bounded time (FUZZ_SECONDS each, default 20).
fuzz: setup
	bash tools/fuzz/run-fuzzers.sh $(BUILD)/fuzz

clean:
	rm -rf $(BUILD)
