# make run   - build, then start the screen saver (Kestrovalinde.scr /s) under Wine;
#              without a display, a bounded run that leaves pictures in build/run/
# make test  - build, then run every test: native, Windows under Wine, end to end,
#              and the smoke tests of the i686 deliverables
# make build - install what is missing, then build all presets
# make dist  - build the release zip, the installer and SHA256SUMS into dist/,
#              and the Linux module's Debian package
# make fuzz  - run every fuzz target (KESTRO_FUZZ_SECONDS, shared)
# make soak  - the saver's long runs under Wine (about 50 minutes)
# make film  - film one cycle of the show off-screen: docs/show.webp, docs/show.gif, docs/stages.png
SHELL := /bin/bash
.PHONY: all deps build build-native build-win test test-native test-fuzz test-win test-i686 test-dist fuzz soak bench film run clean dist linux-module-release bench-module bench-peers test-lane-windows test-lane-native

all: build

deps:
	@scripts/setup-deps

build: deps build-native build-win

build-native:
	@cmake --preset native >/dev/null
	@cmake --build --preset native

# win32 (i686) is the deliverable; win64 (x86_64), the same sources, is the
# build every Windows test but the i686 smoke tests runs.
# win64 is configured first: the i686 smoke tests compare the scene
# checksum with the x86_64 program, which they find through the file its
# configuration writes (build/win64/kestro_programs.cmake).
build-win:
	@cmake --preset win64 >/dev/null
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32
	@cmake --build --preset win64

# Once the native build is there, two lanes side by side that share nothing
# (each run has its own displays, folders and processes): the Windows
# builds and their tests under Wine, one after the other; and the native
# tests and the fuzzing. Then the release files, made from both.
test: deps build-native
	@$(MAKE) --no-print-directory -j2 test-lane-windows test-lane-native
	@$(MAKE) --no-print-directory test-dist

test-lane-windows:
	@$(MAKE) --no-print-directory -j1 build-win test-win test-i686

test-lane-native:
	@$(MAKE) --no-print-directory -j1 test-native test-fuzz

# A short bounded run of every fuzz target (a few seconds each); it must
# find nothing. make fuzz runs them longer (KESTRO_FUZZ_SECONDS, shared).
test-fuzz:
	@KESTRO_FUZZ_SECONDS=20 scripts/run-fuzz

# The Linux module's pace run uses its optimised build.
test-native: linux-module-release
	@ctest --preset native

# The Windows tests go in lanes side by side (tests/e2e/wine_lanes.json, the
# win64 test preset), each with its own prefix and display.
test-win:
	@source scripts/wine-env && kestro_wine_prefix_ready && kestro_wine_lanes_ready && \
	  scripts/with-display ctest --preset win64

# The i686 programs under Wine: plain wine32 where the kernel runs 32-bit
# programs, otherwise the emulation bed under build/ (scripts/emulation).
test-i686:
	@source scripts/wine-env && kestro_wine_prefix_ready && scripts/with-display ctest --preset i686-smoke

# The release files made as make dist makes them, into build/: the zip's and
# the package's contents, both programs' version records and lintian are
# checked on the way; then faulty copies of them must fail those checks.
test-dist:
	@KESTRO_DIST_DIR=build/dist-check scripts/make-dist
	@$(MAKE) --no-print-directory linux-module-release && KESTRO_DIST_DIR=build/dist-check scripts/make-deb
	@tests/release/check_release.sh build/dist-check build/win32 build/native-release

fuzz: deps
	@scripts/run-fuzz

# Long runs of the saver under Wine, not part of make test: start/Escape
# cycles with each kind of music, then SOAK_MINUTES (default 30) of the show
# with memory, GDI and USER objects and handles sampled every minute.
soak: build-win
	@scripts/run-soak

# Benchmarks print figures; they are optimised builds without sanitizers.
# (make test builds them in the native preset and runs each for a second.)
bench: deps
	@cmake --preset native-release >/dev/null
	@cmake --build --preset native-release
	@build/native-release/bin/bench_scene --benchmark_min_time=2
	@build/native-release/bin/bench_pacing
	@cmake --build --preset native-release --target bench_draw
	@build/native-release/bin/bench_draw
	@$(MAKE) --no-print-directory bench-peers
	@$(MAKE) --no-print-directory bench-module

# The module beside Debian's XScreenSaver GL modules flurry and atunnel, in
# turn on the root window of one 160 x 120 Xvfb of its own, drawn by
# llvmpipe and with the drawing skipped: pictures a second and processor
# share (figures only).
bench-peers: linux-module-release
	@bash tools/peer_bench/peer_bench.bash build/native-release/bin/kestrovalinde

# The native module beside the renderer under Wine on one display, on
# Wayland (headless sway) at the same sizes, and in a small window: pictures
# a second and processor share (figures only).
bench-module: linux-module-release
	@cmake --build --preset native-release --target x11_test_window
	@cmake --preset win64 >/dev/null
	@cmake --build --preset win64 --target KestrovalindeHost KestrovalindeRenderer
	@source scripts/wine-env && kestro_wine_prefix_ready && scripts/with-display bash \
	  tools/module_bench/module_bench.bash build/win64/bin/Kestrovalinde.scr \
	  build/win64/bin/Kestrovalinde.dll build/native-release/bin/kestrovalinde \
	  build/native-release/bin/x11_test_window

# The README's film of the show and its contact sheet of the stages, drawn
# off-screen as the renderer draws, at the designed pace.
film: deps
	@scripts/make-film

# The release files come from the i686 deliverables.
dist: deps
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32 --target KestrovalindeHost KestrovalindeRenderer
	@scripts/make-dist
	@$(MAKE) --no-print-directory linux-module-release && scripts/make-deb

# The native XScreenSaver module, optimised, as its Debian package holds it.
linux-module-release:
	@cmake --preset native-release >/dev/null
	@cmake --build --preset native-release --target kestrovalinde

run: build
	@scripts/run-saver

clean:
	rm -rf build dist
