#!/usr/bin/env bash
# The saver as the system starts it (/s), with audio CD music on a machine
# without a CD, and a renderer that takes 2.5 s to open its window: the host
# writes the sprite, starts the renderer plainly, waits for its window, and
# ends within about a second after Escape has closed it. The CD watcher
# switches itself off on its first tick and the CD is then left alone.
set -u
source "$(dirname "$0")/saver_lib.bash"
saver_init "$1" "$2"
saver_install "$SAVER_FAKE_RENDERER"
saver_settings 1
export KESTRO_FAKE_RENDERER_LOG="$SAVER_RENDERER_LOG_WIN"
export KESTRO_FAKE_RENDERER_DELAY_MS=2500 KESTRO_FAKE_RENDERER_LIFETIME_MS=60000

saver_start /s
saver_probe wait present Kestrovalinde_Main 30000 || saver_fail "no Kestrovalinde_Main window"
saver_expect_kept_sprite
window=$(saver_wait_renderer_x_window 30000) || saver_fail "no Kestrovalinde_VC window"
saver_host_running || saver_fail "the host ended before the slow renderer's window appeared"
saver_note "renderer window after $(( $(saver_now_ms) - SAVER_HOST_START_MS )) ms; host still running"
saver_expect_renderer_started_plainly
sleep 1.5
saver_host_running || saver_fail "the host ended while the renderer's window was open"
saver_probe exists Kestrovalinde_Main || saver_fail "the saver window went away early"

host_after_ms=$(saver_end_renderer_and_time_host "$window")
saver_note "host ended ${host_after_ms} ms after the renderer's window"
[ "$host_after_ms" -le 2000 ] || saver_fail "the host took ${host_after_ms} ms to follow the renderer"

commands="$(saver_mci_commands)"
expected="open cdaudio
set cdaudio time format tmsf
status cdaudio current track"
[ "$commands" = "$expected" ] || saver_fail "MCI commands were:
$commands"
saver_expect_kept_sprite
echo "PASS"
