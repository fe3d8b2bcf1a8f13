# make run   - build, then start the screen saver (Kestrovalinde.scr /s) under Wine
# make test  - build, then run every test: native, Windows under Wine, end to end
# make build - install what is missing, then build all presets
# make dist  - build the release zip, the installer and SHA256SUMS into dist/
SHELL := /bin/bash
.PHONY: all deps build build-native build-win test test-native test-fuzz test-win fuzz bench run clean dist

all: build

deps:
	@scripts/setup-deps

build: deps build-native build-win

build-native:
	@cmake --preset native >/dev/null
	@cmake --build --preset native

# The i686 build is the deliverable. When this machine cannot run 32-bit
# programs, the tests use an x86_64 build of the same sources instead.
build-win:
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32
	@preset=$$(scripts/win-preset); if [ "$$preset" != win32 ]; then \
	  cmake --preset $$preset >/dev/null && cmake --build --preset $$preset; fi

test: build test-native test-fuzz test-win

# A short bounded fuzzing run of the file readers; it must find nothing.
test-fuzz:
	@if [ -x scripts/run-fuzz ]; then scripts/run-fuzz; fi

test-native:
	@ctest --preset native

test-win:
	@preset=$$(scripts/win-preset); source scripts/wine-env; kestro_wine_prefix_ready; \
	  scripts/with-display ctest --preset $$preset

fuzz: deps
	@scripts/run-fuzz

# Benchmarks print figures; they are optimised builds without sanitizers.
bench: deps
	@cmake --preset native-release >/dev/null
	@cmake --build --preset native-release
	@for b in build/native-release/bin/bench_*; do [ -x "$$b" ] && "$$b"; done; true

# The release files come from the i686 deliverables.
dist: deps
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32 --target KestrovalindeHost KestrovalindeRenderer
	@scripts/make-dist

run: build
	@scripts/run-saver

clean:
	rm -rf build
