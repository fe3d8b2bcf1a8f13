#!/usr/bin/env bash
# A second /s start while the saver runs ends at once: it neither rewrites
# the sprite file under the running renderer nor starts a second renderer.
set -u
source "$(dirname "$0")/saver_lib.bash"
saver_init "$1" "$2"
saver_install "$SAVER_FAKE_RENDERER"
export KESTRO_FAKE_RENDERER_LOG="$SAVER_RENDERER_LOG_WIN"
export KESTRO_FAKE_RENDERER_DELAY_MS=0 KESTRO_FAKE_RENDERER_LIFETIME_MS=60000

saver_start /s
first_pid=$SAVER_HOST_PID
saver_probe wait present Kestrovalinde_Main 30000 || saver_fail "no Kestrovalinde_Main window"
window=$(saver_wait_renderer_x_window 30000) || saver_fail "no Kestrovalinde_VC window"
saver_expect_kept_sprite
printf 'marker: not a sprite' >"$SAVER_SPRITE"

second_start=$(saver_now_ms)
WINEDEBUG=-all "$WINE" "$SAVER_INSTALL_WIN\\Kestrovalinde.scr" /s >/dev/null 2>&1 &
second_pid=$!
SAVER_HOST_PID=$second_pid
saver_wait_host_gone 15000 || saver_fail "the second start did not end"
saver_note "second start ended after $(( $(saver_now_ms) - second_start )) ms"
[ "$(cat "$SAVER_SPRITE")" = "marker: not a sprite" ] || saver_fail "the second start rewrote the sprite"
[ "$(wc -l <"$SAVER_RENDERER_LOG")" -eq 1 ] || saver_fail "a second renderer was started"

SAVER_HOST_PID=$first_pid
kill -0 "$first_pid" 2>/dev/null || saver_fail "the first saver ended"
saver_end_renderer_and_time_host "$window" >/dev/null
echo "PASS"
