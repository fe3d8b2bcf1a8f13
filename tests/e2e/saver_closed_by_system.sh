#!/usr/bin/env bash
# The saver window closed by something other than its renderer watcher: the
# same close handler stops the MP3 and the host ends, while the renderer,
# never told, keeps running until it ends itself.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/saver.bash"
saver_install
head -c 4096 /dev/zero >"$E2E_INSTALL/song.mp3"
saver_settings 2 "$E2E_INSTALL_WIN\\song.mp3"
export KESTRO_FAKE_RENDERER_DELAY_MS=0 KESTRO_FAKE_RENDERER_LIFETIME_MS=60000

saver_start /s
saver_wait_window
window=$(saver_renderer_window 30) || exit 1
sleep 1
e2e_probe close "$SAVER_WINDOW_TITLE" || e2e_fail "could not ask the saver window to close"
saver_wait_host_gone 10 || e2e_fail "the host did not end when its window was closed"
saver_expect_mp3_closed
e2e_x_window_exists "$RENDERER_WINDOW_TITLE" || e2e_fail "the renderer ended with the host"
e2e_key_down "$window" Escape
e2e_key_up "$window" Escape
echo "PASS"
