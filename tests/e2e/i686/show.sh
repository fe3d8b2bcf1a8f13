#!/usr/bin/env bash
# The i686 saver whole: /s starts the i686 renderer, its window appears and
# lights up with particles, and Escape ends the renderer, then the host.
# Generous bounds: where the kernel cannot run 32-bit programs, both run
# emulated, and OpenGL is then some 70 times slower.
source "$(dirname "$0")/../lib/core.bash"
source "$(dirname "$0")/../lib/saver.bash"

SAVER_END_SECONDS=120
saver_install "$E2E_RENDERER_EXE"
saver_start /s
saver_wait_window
window=$(saver_renderer_window 120) || exit 1
e2e_note "renderer window after $(( $(e2e_now_ms) - SAVER_HOST_START_MS )) ms"
e2e_wait_for_light 180 "$E2E_WORK/show.png" || e2e_fail "no particles on the screen"
e2e_note "particles after $(( $(e2e_now_ms) - SAVER_HOST_START_MS )) ms:" \
  "$(e2e_region_stats "$E2E_WORK/show.png" "$E2E_SHOW_MIDDLE")"
saver_host_running || e2e_fail "the host ended while the renderer ran"

# Held: the renderer looks at Escape at the start of a frame.
e2e_key_down "$window" Escape
host_after_ms=$(saver_end_renderer_and_time_host "$window" nokey) || exit 1
e2e_key_up "$window" Escape
e2e_note "host ended ${host_after_ms} ms after the renderer's window"
echo "PASS"
