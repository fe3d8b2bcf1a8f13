#!/usr/bin/env bash
# A second /s start while the saver runs ends at once: it neither rewrites
# the sprite file under the running renderer nor starts a second renderer.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/saver.bash"
saver_install
export KESTRO_FAKE_RENDERER_LOG="$SAVER_RENDERER_LOG_WIN"
export KESTRO_FAKE_RENDERER_DELAY_MS=0 KESTRO_FAKE_RENDERER_LIFETIME_MS=60000

saver_start /s
first_pid=$SAVER_HOST_PID
saver_wait_window
window=$(saver_renderer_window 30) || exit 1
saver_expect_kept_sprite
printf 'marker: not a sprite' >"$E2E_SPRITE"

second_start=$(e2e_now_ms)
e2e_start "$E2E_HOST_WIN" /s
SAVER_HOST_PID=$E2E_PID
saver_wait_host_gone 15 || e2e_fail "the second start did not end"
e2e_note "second start ended after $(( $(e2e_now_ms) - second_start )) ms"
[ "$(cat "$E2E_SPRITE")" = "marker: not a sprite" ] || e2e_fail "the second start rewrote the sprite"
[ "$(wc -l <"$SAVER_RENDERER_LOG")" -eq 1 ] || e2e_fail "a second renderer was started"

SAVER_HOST_PID=$first_pid
kill -0 "$first_pid" 2>/dev/null || e2e_fail "the first saver ended"
# The host looks for the renderer's window every 500 ms; a window that goes
# before the host's first look counts as never shown, and the host then ends
# only after its 10 s grace for the window to appear. Either way it must end:
# this run checks the second start, not how fast the first host follows.
SAVER_END_SECONDS=20 saver_end_renderer_and_time_host "$window" >/dev/null
echo "PASS"
