#!/usr/bin/env bash
# The saver as the system starts it (/s), with audio CD music on a machine
# without a CD, and a renderer that takes 2.5 s to open its window: the host
# writes the sprite, starts the renderer plainly, waits for its window, and
# ends within about a second after Escape has closed it. The CD watcher
# switches itself off on its first tick and the CD is then left alone.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/saver.bash"
saver_install
saver_settings 1
export KESTRO_FAKE_RENDERER_LOG="$SAVER_RENDERER_LOG_WIN"
export KESTRO_FAKE_RENDERER_DELAY_MS=2500 KESTRO_FAKE_RENDERER_LIFETIME_MS=60000

saver_start /s
saver_wait_window
saver_expect_kept_sprite
window=$(saver_renderer_window 30) || exit 1
saver_host_running || e2e_fail "the host ended before the slow renderer's window appeared"
e2e_note "renderer window after $(( $(e2e_now_ms) - SAVER_HOST_START_MS )) ms; host still running"
saver_expect_renderer_started_plainly
sleep 1.5
saver_host_running || e2e_fail "the host ended while the renderer's window was open"
e2e_probe wait "$SAVER_WINDOW_TITLE" 0 >/dev/null || e2e_fail "the saver window went away early"

saver_expect_host_follows "$window"

saver_expect_cd_switched_off
saver_expect_kept_sprite
echo "PASS"
