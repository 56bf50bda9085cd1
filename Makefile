# Front door: `make demo` runs the program against the bundled demo content
# server; `make test` builds and runs every test.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
PRESET ?= default
BUILD_DIR := build

# Seconds each fuzzer runs in `make fuzz`.
FUZZ_SECONDS ?= 60

.PHONY: all deps fuzz-deps configure build test test-sanitize test-sanitize-desktop test-tsan fuzz \
	demo bench bench-desktop bench-player bench-soak package format format-check clean

all: build

deps:
	@scripts/install-deps

configure: deps
	cmake --preset $(PRESET) >/dev/null

build: configure
	cmake --build --preset $(PRESET) -j $(JOBS)

test: build
	scripts/run-tests $(BUILD_DIR) unit behaviour desktop

test-sanitize: deps
	cmake --preset $(if $(CI),ci-sanitize,sanitize) >/dev/null
	cmake --build --preset $(if $(CI),ci-sanitize,sanitize) -j $(JOBS)
	scripts/run-tests build-sanitize unit behaviour

# The desktop program under ASan + UBSan (build-sanitize-desktop/): its Qt
# tests and the desktop tests. The engine's own report that this run
# switches off is named in the test preset (CMakePresets.json).
test-sanitize-desktop: deps
	cmake --preset sanitize-desktop >/dev/null
	cmake --build --preset sanitize-desktop -j $(JOBS)
	ctest --preset sanitize-desktop -j $(JOBS)

# The content client (worker-thread transfers, abandoning, fail-fast) under ThreadSanitizer
# (build-tsan/; suppressions in tests/tsan.supp).
test-tsan: deps
	cmake --preset tsan >/dev/null
	cmake --build --preset tsan -j $(JOBS)
	ctest --preset tsan -j $(JOBS)

fuzz-deps:
	@scripts/install-deps fuzz

# The libFuzzer harnesses, built with clang under ASan + UBSan, each run for
# FUZZ_SECONDS on its seed corpus and regression inputs.
fuzz: fuzz-deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS) --target quillo_fuzzers
	scripts/run-fuzzers build-fuzz $(FUZZ_SECONDS)

demo: build
	scripts/demo $(BUILD_DIR)

bench: build
	$(BUILD_DIR)/bench/quillo-bench

# Start-up times, white frames, memory (also with three windows open), idle
# CPU and the start-up request span of the program under Xvfb, side by side
# with a bare browser view and Chromium in app mode (installed here for the
# benchmark only). BENCH_ARGS go to bench/desktop_startup.py, e.g.
# BENCH_ARGS="--runs 2 --idle 10" for a short trial run.
BENCH_ARGS ?=
bench-desktop: build
	@scripts/install-deps bench
	/usr/bin/python3 bench/desktop_startup.py --build $(BUILD_DIR) $(BENCH_ARGS)

# Memory with the player window open, the time from a click on a film to
# the player window painted, its page shown and the clip's first frame, and
# CPU and dropped frames while the clip plays, under Xvfb, against Chromium
# in app mode and the bare view. BENCH_ARGS go to bench/player_window.py.
bench-player: build
	@scripts/install-deps bench
	/usr/bin/python3 bench/player_window.py --build $(BUILD_DIR) $(BENCH_ARGS)

# A long run with the pop-under and the player coming and going: memory,
# processes, descriptors and threads every 30 s and their growth per hour.
# SOAK_MINUTES (default 10) sets its length.
SOAK_MINUTES ?= 10
bench-soak: build
	/usr/bin/python3 bench/soak.py --build $(BUILD_DIR) --minutes $(SOAK_MINUTES) $(BENCH_ARGS)

# The Debian package, in $(BUILD_DIR)/package/.
package: build
	cmake --build $(BUILD_DIR) --target package

format:
	git ls-files '*.cpp' '*.hpp' | xargs clang-format -i

# Fails when a tracked source file differs from the repo's .clang-format.
format-check:
	git ls-files '*.cpp' '*.hpp' | xargs clang-format --dry-run --Werror

clean:
	rm -rf build build-sanitize build-sanitize-desktop build-tsan build-fuzz
