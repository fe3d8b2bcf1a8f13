#!/usr/bin/env bash
# The saver started with no argument text, with an MP3 file whose path holds
# blanks and that the system cannot play: the file is opened in quotes, the
# MP3 watcher keeps trying every second, and when the renderer ends the
# alias is stopped and closed.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/saver.bash"
saver_install
mkdir -p "$E2E_INSTALL/my music"
head -c 4096 /dev/zero >"$E2E_INSTALL/my music/long song.Mp3"
saver_settings 2 "$E2E_INSTALL_WIN\\my music\\long song.Mp3"
export KESTRO_FAKE_RENDERER_LOG="$SAVER_RENDERER_LOG_WIN"
export KESTRO_FAKE_RENDERER_DELAY_MS=0 KESTRO_FAKE_RENDERER_LIFETIME_MS=60000

saver_start
saver_wait_window
window=$(saver_renderer_window 30) || exit 1
saver_expect_kept_sprite
saver_expect_renderer_started_plainly
# The watcher restarts the MP3 each time it finds it stopped: let it do so twice.
mp3_restarts() { saver_mci_commands | grep -cx 'play MP3Play from 0'; }
restarted_twice() { [ "$(mp3_restarts)" -ge 2 ]; }
e2e_wait_for 20 restarted_twice
saver_expect_host_follows "$window"

commands="$(saver_mci_commands)"
open_command="open \\\"C:\\\\Kestro Saver E2E\\\\my music\\\\long song.Mp3\\\" type MPEGVideo Alias MP3Play"
[ "$(head -n1 <<<"$commands")" = "$open_command" ] || e2e_fail "first MCI command was:
$(head -n1 <<<"$commands")"
[ "$(sed -n 2p <<<"$commands")" = "status MP3Play mode" ] ||
  e2e_fail "the file that did not open was played; commands:
$commands"
restarts=$(mp3_restarts)
[ "$restarts" -ge 2 ] || e2e_fail "the MP3 watcher restarted only $restarts times"
saver_expect_mp3_closed
echo "PASS"
