#!/usr/bin/env bash
# The whole screen saver with the real renderer: /s writes the sprite,
# starts the renderer, whose particles light up the screen; Escape held ends
# the renderer and the host follows within about a second.
set -u
source "$(dirname "$0")/saver_lib.bash"
saver_init "$1" "$2"
saver_install "$SAVER_RENDERER_EXE"
saver_settings 1

saver_start /s
saver_probe wait present Kestrovalinde_Main 30000 || saver_fail "no Kestrovalinde_Main window"
saver_expect_kept_sprite
window=$(saver_wait_renderer_x_window 60000) || saver_fail "no Kestrovalinde_VC window"
saver_note "renderer window after $(( $(saver_now_ms) - SAVER_HOST_START_MS )) ms"
saver_wait_for_light 60 "$SAVER_WORK/show.png" || saver_fail "no particles on the screen"
saver_note "particles on the screen, brightest $(saver_brightest_in_middle "$SAVER_WORK/show.png")"
saver_host_running || saver_fail "the host ended while the renderer ran"

# The renderer looks at Escape at the start of each frame: hold it.
xdotool keydown --window "$window" Escape
host_after_ms=$(saver_end_renderer_and_time_host "$window" nokey)
xdotool keyup --window "$window" Escape 2>/dev/null
saver_note "host ended ${host_after_ms} ms after the renderer's window"
[ "$host_after_ms" -le 2000 ] || saver_fail "the host took ${host_after_ms} ms to follow the renderer"
[ "$(saver_mci_commands)" = "open cdaudio
set cdaudio time format tmsf
status cdaudio current track" ] || saver_fail "MCI commands were:
$(saver_mci_commands)"
echo "PASS"
