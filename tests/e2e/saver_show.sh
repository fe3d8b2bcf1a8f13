#!/usr/bin/env bash
# The whole screen saver with the real renderer: /s writes the sprite,
# starts the renderer, whose particles light up the screen; Escape held ends
# the renderer and the host follows within about a second.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/saver.bash"
saver_install "$E2E_RENDERER_EXE"
saver_settings 1

saver_start /s
saver_wait_window
saver_expect_kept_sprite
window=$(saver_renderer_window 60) || exit 1
e2e_note "renderer window after $(( $(e2e_now_ms) - SAVER_HOST_START_MS )) ms"
e2e_wait_for_light 60 "$E2E_WORK/show.png" || e2e_fail "no particles on the screen"
e2e_note "particles on the screen: $(e2e_region_stats "$E2E_WORK/show.png" "$E2E_SHOW_MIDDLE")"
saver_host_running || e2e_fail "the host ended while the renderer ran"

# The renderer looks at Escape at the start of each frame: hold it.
e2e_key_down "$window" Escape
saver_expect_host_follows "$window" nokey
e2e_key_up "$window" Escape
saver_expect_cd_switched_off
echo "PASS"
