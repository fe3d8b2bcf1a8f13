#!/usr/bin/env bash
# The saver window closed by something other than its renderer watcher: the
# same close handler stops the MP3 and the host ends, while the renderer,
# never told, keeps running until it ends itself.
set -u
source "$(dirname "$0")/saver_lib.bash"
saver_init "$1" "$2"
saver_install "$SAVER_FAKE_RENDERER"
head -c 4096 /dev/zero >"$SAVER_INSTALL/song.mp3"
saver_settings 2 "$SAVER_INSTALL_WIN\\song.mp3"
export KESTRO_FAKE_RENDERER_DELAY_MS=0 KESTRO_FAKE_RENDERER_LIFETIME_MS=60000

saver_start /s
saver_probe wait present Kestrovalinde_Main 30000 || saver_fail "no Kestrovalinde_Main window"
window=$(saver_wait_renderer_x_window 30000) || saver_fail "no Kestrovalinde_VC window"
sleep 1
saver_probe close Kestrovalinde_Main || saver_fail "could not ask the saver window to close"
saver_wait_host_gone 10000 || saver_fail "the host did not end when its window was closed"
[ "$(saver_mci_commands | tail -n2)" = "stop MP3Play
close MP3Play" ] || saver_fail "the music was not stopped:
$(saver_mci_commands)"
[ -n "$(saver_renderer_x_window)" ] || saver_fail "the renderer ended with the host"
xdotool key --window "$window" Escape
echo "PASS"
