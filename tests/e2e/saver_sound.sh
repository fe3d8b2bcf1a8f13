#!/usr/bin/env bash
# Music for real: Wine is given an ALSA device that writes to a file. A WAV
# file chosen in the settings is looped by the system (its bursts repeat in
# the capture), and an MP3 file is played through MCI's MPEGVideo device and
# restarted by the MP3 watcher. Needs lame (to make the MP3) and the
# GStreamer base and good plugins (Wine's MP3 decoding).
set -u
source "$(dirname "$0")/saver_lib.bash"
saver_init "$1" "$2"
command -v lame >/dev/null || saver_fail "lame is missing (scripts/setup-deps installs it)"
saver_capture_sound
export KESTRO_FAKE_RENDERER_DELAY_MS=0 KESTRO_FAKE_RENDERER_LIFETIME_MS=5000

# run_saver_with <file name>: one saver run of about five seconds.
run_saver_with() {
  saver_settings 2 "$SAVER_INSTALL_WIN\\$1"
  rm -f "$SAVER_SOUND_CAPTURE"
  saver_start /s
  saver_wait_host_gone 40000 || saver_fail "the saver did not end with its renderer"
}

saver_install "$SAVER_FAKE_RENDERER"
saver_make_burst_wav "$SAVER_INSTALL/burst.wav"
run_saver_with burst.wav
grep -q "MULTIMEDIA_PlaySound pszSound='0*[1-9A-F][0-9A-F]*' hmod=0000000000000000 fdwSound=00000009" \
  "$SAVER_TRACE" || saver_fail "the WAV file was not handed to PlaySound to loop (no wave device?)"
[ "$(saver_sound_stops)" -eq 1 ] || saver_fail "the WAV sound was not stopped at the end"
bursts=$(saver_captured_bursts)
saver_note "WAV: $(stat -c %s "$SAVER_SOUND_CAPTURE" 2>/dev/null || echo 0) bytes captured, $bursts bursts"
[ "$bursts" -ge 3 ] || saver_fail "the WAV file did not loop ($bursts bursts captured)"

lame --quiet -b 64 "$SAVER_INSTALL/burst.wav" "$SAVER_INSTALL/burst song.mp3" || saver_fail "lame failed"
run_saver_with "burst song.mp3"
commands="$(saver_mci_commands)"
[ "$(sed -n 2p <<<"$commands")" = "play MP3Play" ] || saver_fail "the MP3 did not open:
$commands"
bursts=$(saver_captured_bursts)
saver_note "MP3: $(stat -c %s "$SAVER_SOUND_CAPTURE" 2>/dev/null || echo 0) bytes captured, $bursts bursts"
[ "$bursts" -ge 2 ] || saver_fail "the MP3 did not play and repeat ($bursts bursts captured)"
[ "$(tail -n2 <<<"$commands")" = "stop MP3Play
close MP3Play" ] || saver_fail "the MP3 was not stopped and closed"
echo "PASS"
