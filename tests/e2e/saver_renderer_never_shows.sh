#!/usr/bin/env bash
# A renderer that starts but never opens its window: the saver waits out its
# grace period (10 s from its load), then ends with the MP3 watcher's alias
# stopped and closed; the renderer is left to end itself.
set -u
source "$(dirname "$0")/saver_lib.bash"
saver_init "$1" "$2"
saver_install "$SAVER_FAKE_RENDERER"
head -c 4096 /dev/zero >"$SAVER_INSTALL/song.mp3"
saver_settings 2 "$SAVER_INSTALL_WIN\\song.mp3"
export KESTRO_FAKE_RENDERER_LOG="$SAVER_RENDERER_LOG_WIN"
export KESTRO_FAKE_RENDERER_DELAY_MS=40000 KESTRO_FAKE_RENDERER_LIFETIME_MS=40000

saver_start /s
saver_probe wait present Kestrovalinde_Main 30000 || saver_fail "no Kestrovalinde_Main window"
loaded=$(saver_now_ms)
sleep 6
saver_host_running || saver_fail "the saver did not wait for the renderer's window"
saver_wait_host_gone 15000 || saver_fail "the saver kept waiting for a renderer that never showed"
saver_note "saver ended $(( $(saver_now_ms) - loaded )) ms after its window was found"
saver_expect_renderer_started_plainly
[ "$(saver_mci_commands | tail -n2)" = "stop MP3Play
close MP3Play" ] || saver_fail "the music was not stopped:
$(saver_mci_commands)"
echo "PASS"
