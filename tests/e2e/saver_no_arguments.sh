#!/usr/bin/env bash
# The saver started with no argument text, with an MP3 file whose path holds
# blanks and that the system cannot play: the file is opened in quotes, the
# MP3 watcher keeps trying every second, and when the renderer ends the
# alias is stopped and closed.
set -u
source "$(dirname "$0")/saver_lib.bash"
saver_init "$1" "$2"
saver_install "$SAVER_FAKE_RENDERER"
mkdir -p "$SAVER_INSTALL/my music"
head -c 4096 /dev/zero >"$SAVER_INSTALL/my music/long song.Mp3"
saver_settings 2 "$SAVER_INSTALL_WIN\\my music\\long song.Mp3"
export KESTRO_FAKE_RENDERER_LOG="$SAVER_RENDERER_LOG_WIN"
export KESTRO_FAKE_RENDERER_DELAY_MS=0 KESTRO_FAKE_RENDERER_LIFETIME_MS=60000

saver_start
saver_probe wait present Kestrovalinde_Main 30000 || saver_fail "no Kestrovalinde_Main window"
window=$(saver_wait_renderer_x_window 30000) || saver_fail "no Kestrovalinde_VC window"
saver_expect_kept_sprite
saver_expect_renderer_started_plainly
sleep 2.5
host_after_ms=$(saver_end_renderer_and_time_host "$window")
saver_note "host ended ${host_after_ms} ms after the renderer's window"
[ "$host_after_ms" -le 2000 ] || saver_fail "the host took ${host_after_ms} ms to follow the renderer"

commands="$(saver_mci_commands)"
open_command="open \\\"C:\\\\Kestro Saver E2E\\\\my music\\\\long song.Mp3\\\" type MPEGVideo Alias MP3Play"
[ "$(head -n1 <<<"$commands")" = "$open_command" ] || saver_fail "first MCI command was:
$(head -n1 <<<"$commands")"
[ "$(sed -n 2p <<<"$commands")" = "status MP3Play mode" ] ||
  saver_fail "the file that did not open was played; commands:
$commands"
restarts=$(grep -cx 'play MP3Play from 0' <<<"$commands")
[ "$restarts" -ge 2 ] || saver_fail "the MP3 watcher restarted only $restarts times"
[ "$(tail -n2 <<<"$commands")" = "stop MP3Play
close MP3Play" ] || saver_fail "the MP3 was not stopped and closed at the end:
$commands"
echo "PASS"
