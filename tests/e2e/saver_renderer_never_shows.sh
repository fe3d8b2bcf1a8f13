#!/usr/bin/env bash
# A renderer that starts but never opens its window: the saver waits out its
# grace period (10 s from its load), then ends with the MP3 watcher's alias
# stopped and closed; the renderer is left to end itself.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/saver.bash"
saver_install
head -c 4096 /dev/zero >"$E2E_INSTALL/song.mp3"
saver_settings 2 "$E2E_INSTALL_WIN\\song.mp3"
export KESTRO_FAKE_RENDERER_LOG="$SAVER_RENDERER_LOG_WIN"
export KESTRO_FAKE_RENDERER_DELAY_MS=40000 KESTRO_FAKE_RENDERER_LIFETIME_MS=40000

saver_start /s
saver_wait_window
loaded=$(e2e_now_ms)
sleep 6
saver_host_running || e2e_fail "the saver did not wait for the renderer's window"
saver_wait_host_gone 15 || e2e_fail "the saver kept waiting for a renderer that never showed"
e2e_note "saver ended $(( $(e2e_now_ms) - loaded )) ms after its window was found"
saver_expect_renderer_started_plainly
saver_expect_mp3_closed
echo "PASS"
