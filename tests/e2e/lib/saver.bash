# The saver's layer of the end-to-end library (sourced after core.bash).
#
# A test installs the host with a renderer (the real one, or the fake
# saver_fake_renderer built next to the host) into a folder whose name holds
# a blank, starts the host with the MCI and sound calls traced, and looks at
# windows, files and the trace.

SAVER_FOLDER='Kestro Saver E2E'
SAVER_FAKE_RENDERER="$E2E_BIN/saver_fake_renderer.exe"
SAVER_KEPT_SPRITE="$e2e_root/resources/saver_sprite.bmp"
# A program that Windows would start instead of the renderer if the
# renderer's unquoted path were split at its first blank.
SAVER_TRAP="$E2E_DRIVE_C/Kestro.exe"
SAVER_RENDERER_LOG_WIN='C:\kestro_fake_renderer.log'
SAVER_RENDERER_LOG="$E2E_DRIVE_C/kestro_fake_renderer.log"
SAVER_TRACE="$E2E_WORK/trace.txt"
[ -f "$SAVER_FAKE_RENDERER" ] || e2e_fail "test helper missing: $SAVER_FAKE_RENDERER"

saver_cleanup() {
  e2e_cleanup
  rm -f "$SAVER_TRAP" "$SAVER_RENDERER_LOG"
}
trap saver_cleanup EXIT

# saver_install [renderer program]: host and renderer (default: the fake
# one) in a fresh folder, no settings file, no sprite file.
saver_install() {
  e2e_install "$SAVER_FOLDER" "${1:-$SAVER_FAKE_RENDERER}"
  rm -f "$E2E_SPRITE" "$SAVER_RENDERER_LOG"
  cp "$SAVER_FAKE_RENDERER" "$SAVER_TRAP"
}

# saver_settings <kind> [<file, Windows path>]: the settings file as the
# dialog writes it, no track repeated.
saver_settings() { e2e_write_settings "$E2E_INSTALL" "$1" 0 "${2:-}"; }

# saver_start [argument text]: starts the host in the background, its MCI and
# sound calls (and any channels in SAVER_TRACE_MORE, such as ",+seh") traced
# into $SAVER_TRACE.
saver_start() {
  e2e_host_guard_clear
  # shellcheck disable=SC2086
  WINEDEBUG="-all,trace+mci,trace+winmm${SAVER_TRACE_MORE:-}" "$WINE" ${KESTRO_E2E_WINE_OPTIONS:-} "$E2E_HOST_WIN" "$@" \
    >/dev/null 2>"$SAVER_TRACE" &
  SAVER_HOST_PID=$!
  e2e_started_pids+=("$SAVER_HOST_PID")
  SAVER_HOST_START_MS=$(e2e_now_ms)
}
saver_host_running() { kill -0 "$SAVER_HOST_PID" 2>/dev/null; }
# saver_wait_host_gone <seconds>: true when the host has ended in time.
saver_wait_host_gone() { e2e_wait_exit "$SAVER_HOST_PID" "$1"; }
# The saver window is hidden: only the probe finds it.
saver_wait_window() {
  e2e_probe wait "$SAVER_WINDOW_TITLE" 30000 >/dev/null ||
    e2e_fail "no $SAVER_WINDOW_TITLE window: $(e2e_window_report "$SAVER_HOST_PID" "$SAVER_TRACE")"
}
# saver_renderer_window [seconds]: prints the renderer's X window.
saver_renderer_window() {
  e2e_x_window "$RENDERER_WINDOW_TITLE" "${1:-30}" || e2e_fail "no $RENDERER_WINDOW_TITLE window"
}

# How long the renderer's window and then the host may take to end.
SAVER_END_SECONDS=10

# saver_end_renderer_and_time_host <x window> [nokey]: presses Escape in the
# renderer's window (unless told nokey: the caller holds it); prints the
# milliseconds from its window's end to the host's end.
saver_end_renderer_and_time_host() {
  local gone_ms
  if [ "${2:-}" != nokey ]; then
    e2e_key_down "$1" Escape
    e2e_key_up "$1" Escape
  fi
  e2e_wait_for "$SAVER_END_SECONDS" eval '! e2e_x_window_exists "$RENDERER_WINDOW_TITLE"' ||
    e2e_fail "the renderer's window did not go on Escape"
  gone_ms=$(e2e_now_ms)
  saver_wait_host_gone "$SAVER_END_SECONDS" || e2e_fail "the host did not end after the renderer's window"
  echo $(( $(e2e_now_ms) - gone_ms ))
}
# saver_expect_host_follows <x window> [nokey]: as above, within 2 s.
saver_expect_host_follows() {
  local after_ms
  after_ms=$(saver_end_renderer_and_time_host "$@") || exit 1
  e2e_note "host ended ${after_ms} ms after the renderer's window"
  [ "$after_ms" -le 2000 ] || e2e_fail "the host took ${after_ms} ms to follow the renderer"
}

# The MCI commands the host sent, one a line, in order (Wine's own implicit
# "open <device> wait" left out).
saver_mci_commands() {
  sed -n 's/.*trace:mci:mciSendStringW (L"\(.*\)", [0-9A-Fa-f]*, [0-9]*, [0-9A-Fa-f]*)$/\1/p' \
    "$SAVER_TRACE" | grep -v -i '^open [a-z0-9]* wait$'
}
saver_expect_mci() {  # saver_expect_mci <commands, one a line>
  [ "$(saver_mci_commands)" = "$1" ] || e2e_fail "MCI commands were:
$(saver_mci_commands)"
}
saver_expect_cd_switched_off() {
  saver_expect_mci "open cdaudio
set cdaudio time format tmsf
status cdaudio current track"
}
saver_expect_mp3_closed() {
  [ "$(saver_mci_commands | tail -n2)" = "stop MP3Play
close MP3Play" ] || e2e_fail "the MP3 was not stopped and closed:
$(saver_mci_commands)"
}

# How often PlaySound was called with no sound, i.e. to stop the sound.
saver_sound_stops() {
  grep -c "MULTIMEDIA_PlaySound pszSound='0000000000000000' hmod=0000000000000000 fdwSound=00000000" \
    "$SAVER_TRACE"
}
# True when a file was handed to PlaySound to loop (asynchronously, by name).
saver_wav_looped() {
  grep -q "MULTIMEDIA_PlaySound pszSound='0*[1-9A-F][0-9A-F]*' hmod=0000000000000000 fdwSound=00000009" \
    "$SAVER_TRACE"
}

saver_expect_kept_sprite() {
  cmp -s "$E2E_SPRITE" "$SAVER_KEPT_SPRITE" ||
    e2e_fail "the sprite file is not SaverSprite ($(stat -c %s "$E2E_SPRITE" 2>/dev/null) bytes)"
}

# The renderer was started from the install folder with its unquoted path
# alone as its command line (the fake renderer logs module|command line).
saver_expect_renderer_started_plainly() {
  local renderer="$E2E_INSTALL_WIN\\$RENDERER_FILE_NAME" logged
  [ -f "$SAVER_RENDERER_LOG" ] || e2e_fail "no renderer was started"
  logged="$(tr -d '\r' <"$SAVER_RENDERER_LOG")"
  [ "$logged" = "$renderer|$renderer" ] ||
    e2e_fail "renderer started as '$logged', expected '$renderer|$renderer'"
}

# saver_capture_sound [file]: from here on the programs of this run play into
# an ALSA device that writes what it gets to $SAVER_SOUND_CAPTURE (16-bit
# stereo at 48 kHz, raw; by default captured.raw in the run's folder), so
# that Wine has a wave-output device.
saver_capture_sound() {
  SAVER_SOUND_CAPTURE="${1:-$E2E_WORK/captured.raw}"
  cat >"$E2E_WORK/asound.conf" <<CONF
pcm.!default {
  type plug
  slave { pcm "kestro_capture"; format S16_LE; rate 48000; channels 2 }
}
pcm.kestro_capture {
  type file
  slave.pcm "null"
  file "$SAVER_SOUND_CAPTURE"
  format "raw"
}
CONF
  export ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$E2E_WORK/asound.conf"
}

# saver_make_burst_wav <file>: 0.3 s of a 440 Hz tone, then 0.2 s of
# silence, so that every loop of the sound shows as one burst.
saver_make_burst_wav() {
  python3 - "$1" <<'PY'
import math, struct, sys, wave
rate = 22050
with wave.open(sys.argv[1], "wb") as out:
    out.setnchannels(1)
    out.setsampwidth(2)
    out.setframerate(rate)
    out.writeframes(b"".join(
        struct.pack("<h", int(12000 * math.sin(2 * math.pi * 440 * i / rate)) if i < rate * 0.3 else 0)
        for i in range(rate // 2)))
PY
}

# Prints how many bursts of sound the capture holds (a burst: a stretch of
# 10 ms blocks whose peak is above a tenth of full scale, after silence).
saver_captured_bursts() {
  python3 - "$SAVER_SOUND_CAPTURE" <<'PY'
import struct, sys
try:
    data = open(sys.argv[1], "rb").read()
except OSError:
    data = b""
left = struct.unpack("<%dh" % (len(data) // 4 * 2), data[: len(data) // 4 * 4])[0::2]
block = 480
bursts, loud_before = 0, False
for start in range(0, len(left), block):
    loud = max((abs(s) for s in left[start:start + block]), default=0) > 3276
    bursts += loud and not loud_before
    loud_before = loud
print(bursts)
PY
}
