#!/usr/bin/env bash
# Music for real: Wine is given an ALSA device that writes to a file. A WAV
# file chosen in the settings is looped by the system (its bursts repeat in
# the capture), and an MP3 file is played through MCI's MPEGVideo device and
# restarted by the MP3 watcher. Needs lame (to make the MP3) and the
# GStreamer base and good plugins (Wine's MP3 decoding).
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/saver.bash"
command -v lame >/dev/null || e2e_fail "lame is missing (scripts/setup-deps installs it)"
saver_capture_sound
export KESTRO_FAKE_RENDERER_DELAY_MS=0 KESTRO_FAKE_RENDERER_LIFETIME_MS=5000

# run_saver_with <file name>: one saver run of about five seconds.
run_saver_with() {
  saver_settings 2 "$E2E_INSTALL_WIN\\$1"
  rm -f "$SAVER_SOUND_CAPTURE"
  saver_start /s
  saver_wait_host_gone 40 || e2e_fail "the saver did not end with its renderer"
}

saver_install
saver_make_burst_wav "$E2E_INSTALL/burst.wav"
run_saver_with burst.wav
saver_wav_looped || e2e_fail "the WAV file was not handed to PlaySound to loop (no wave device?)"
[ "$(saver_sound_stops)" -eq 1 ] || e2e_fail "the WAV sound was not stopped at the end"
bursts=$(saver_captured_bursts)
e2e_note "WAV: $(stat -c %s "$SAVER_SOUND_CAPTURE" 2>/dev/null || echo 0) bytes captured, $bursts bursts"
[ "$bursts" -ge 3 ] || e2e_fail "the WAV file did not loop ($bursts bursts captured)"

lame --quiet -b 64 "$E2E_INSTALL/burst.wav" "$E2E_INSTALL/burst song.mp3" || e2e_fail "lame failed"
run_saver_with "burst song.mp3"
commands="$(saver_mci_commands)"
[ "$(sed -n 2p <<<"$commands")" = "play MP3Play" ] || e2e_fail "the MP3 did not open:
$commands"
bursts=$(saver_captured_bursts)
e2e_note "MP3: $(stat -c %s "$SAVER_SOUND_CAPTURE" 2>/dev/null || echo 0) bytes captured, $bursts bursts"
[ "$bursts" -ge 2 ] || e2e_fail "the MP3 did not play and repeat ($bursts bursts captured)"
[ "$(tail -n2 <<<"$commands")" = "stop MP3Play
close MP3Play" ] || e2e_fail "the MP3 was not stopped and closed"
echo "PASS"
