# Helpers of the saver's end-to-end tests (sourced by tests/e2e/saver_*.sh).
#
# Each test installs the host with a renderer (the real one, or the fake
# saver_fake_renderer built next to the host) into a folder of the test
# prefix whose name holds a blank, starts the host under Wine with the MCI
# and sound calls traced, and looks at windows, files and the trace.

saver_repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
# shellcheck source=../../scripts/wine-env
source "$saver_repo/scripts/wine-env" 2>/dev/null

SAVER_INSTALL_WIN='C:\Kestro Saver E2E'
SAVER_INSTALL="$WINEPREFIX/drive_c/Kestro Saver E2E"
SAVER_SPRITE="$WINEPREFIX/drive_c/v_nalo/Kestrovalinde.bmp"
SAVER_KEPT_SPRITE="$saver_repo/resources/saver_sprite.bmp"
# A program that Windows would start instead of the renderer if the
# renderer's unquoted path were split at its first blank.
SAVER_TRAP="$WINEPREFIX/drive_c/Kestro.exe"
SAVER_RENDERER_LOG_WIN='C:\kestro_fake_renderer.log'
SAVER_RENDERER_LOG="$WINEPREFIX/drive_c/kestro_fake_renderer.log"

saver_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

saver_note() { echo "-- $*"; }

saver_now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# saver_init <host> <renderer>: fresh work folder, prefix and clean-up.
saver_init() {
  SAVER_HOST_EXE="$1"
  SAVER_RENDERER_EXE="$2"
  SAVER_BIN="$(dirname "$SAVER_HOST_EXE")"
  SAVER_FAKE_RENDERER="$SAVER_BIN/saver_fake_renderer.exe"
  SAVER_PROBE="$SAVER_BIN/saver_window_probe.exe"
  SAVER_WORK="$(mktemp -d "${TMPDIR:-/tmp}/kestro_saver_e2e.XXXXXX")"
  # Every process of this run carries the token, so that clean-up ends
  # exactly the programs this run started, and no one else's.
  export KESTRO_E2E_RUN="saver-$$-$RANDOM"
  SAVER_HOST_PID=""
  trap saver_cleanup EXIT
  kestro_wine_prefix_ready
  [ -n "${DISPLAY:-}" ] || saver_fail "no DISPLAY (run under scripts/with-display)"
  [ -x "$SAVER_FAKE_RENDERER" ] && [ -x "$SAVER_PROBE" ] || saver_fail "test helpers not built"
}

# Processes of this run that run one of the saver's programs.
saver_run_pids() {
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid="${environ#/proc/}"
    pid="${pid%/environ}"
    [ "$pid" = "$$" ] && continue
    if { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qx "KESTRO_E2E_RUN=$KESTRO_E2E_RUN" &&
       { tr '\0' ' ' <"/proc/$pid/cmdline"; } 2>/dev/null | grep -q -e Kestrovalinde -e Kestro.exe -e saver_; then
      echo "$pid"
    fi
  done
}

saver_cleanup() {
  local pid
  for pid in $(saver_run_pids); do kill "$pid" 2>/dev/null; done
  rm -f "$SAVER_TRAP" "$SAVER_RENDERER_LOG"
  rm -rf "$SAVER_WORK"
}

# saver_install <renderer exe>: host and renderer in a fresh install folder,
# no settings file, no sprite file.
saver_install() {
  rm -rf "$SAVER_INSTALL"
  mkdir -p "$SAVER_INSTALL"
  cp "$SAVER_HOST_EXE" "$SAVER_INSTALL/Kestrovalinde.scr"
  cp "$1" "$SAVER_INSTALL/Kestrovalinde.dll"
  rm -f "$SAVER_SPRITE" "$SAVER_RENDERER_LOG"
  cp "$SAVER_FAKE_RENDERER" "$SAVER_TRAP"
}

# saver_settings <kind> [<file, Windows path>]: the settings file as the
# dialog writes it, keys in code page 932.
saver_settings() {
  {
    printf '[Section]\r\n'
    printf 'BGM\x8b\xe6\x95\xaa= %s\r\n' "$1"
    printf 'BGM\xd8\xcb\xdf\xb0\xc4= 0\r\n'
    printf 'BGM\xcc\xa7\xb2\xd9=%s\r\n' "${2:-}"
  } >"$SAVER_INSTALL/Kestrovalinde.ini"
}

# saver_start [argument text]: starts the host in the background, its MCI and
# sound calls traced into $SAVER_WORK/trace.txt.
saver_start() {
  SAVER_TRACE="$SAVER_WORK/trace.txt"
  WINEDEBUG='-all,trace+mci,trace+winmm' "$WINE" "$SAVER_INSTALL_WIN\\Kestrovalinde.scr" "$@" \
    >/dev/null 2>"$SAVER_TRACE" &
  SAVER_HOST_PID=$!
  SAVER_HOST_START_MS=$(saver_now_ms)
}

saver_host_running() { kill -0 "$SAVER_HOST_PID" 2>/dev/null; }

# saver_wait_host_gone <timeout ms>: true when the host has ended in time.
saver_wait_host_gone() {
  local deadline=$(( $(saver_now_ms) + $1 ))
  while saver_host_running; do
    [ "$(saver_now_ms)" -ge "$deadline" ] && return 1
    sleep 0.02
  done
  wait "$SAVER_HOST_PID" 2>/dev/null
  return 0
}

# saver_probe exists <title> | wait present|gone <title> <timeout ms>:
# FindWindowA from inside Wine (the saver window is hidden and has no X window).
saver_probe() { WINEDEBUG=-all "$WINE" "$SAVER_PROBE" "$@" >/dev/null 2>&1; }

# The X window of the renderer (visible), if any.
saver_renderer_x_window() { xdotool search --name '^Kestrovalinde_VC$' 2>/dev/null | head -n1; }

# saver_wait_renderer_x_window <timeout ms>: prints the window id.
saver_wait_renderer_x_window() {
  local deadline=$(( $(saver_now_ms) + $1 )) window
  while :; do
    window=$(saver_renderer_x_window)
    [ -n "$window" ] && { echo "$window"; return 0; }
    [ "$(saver_now_ms)" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

# saver_end_renderer_and_time_host <x window> [nokey]: presses Escape in the
# renderer's window (unless told nokey: the caller holds it); prints the
# milliseconds from its window's end to the host's end.
saver_end_renderer_and_time_host() {
  local window="$1" deadline gone_ms
  [ "${2:-}" = nokey ] || xdotool key --window "$window" Escape
  deadline=$(( $(saver_now_ms) + 10000 ))
  while [ -n "$(saver_renderer_x_window)" ]; do
    [ "$(saver_now_ms)" -ge "$deadline" ] && saver_fail "the renderer's window did not go on Escape"
    sleep 0.01
  done
  gone_ms=$(saver_now_ms)
  saver_wait_host_gone 10000 || saver_fail "the host did not end after the renderer's window"
  echo $(( $(saver_now_ms) - gone_ms ))
}

# The MCI commands the host sent, one a line, in order (Wine's own implicit
# "open <device> wait" left out).
saver_mci_commands() {
  sed -n 's/.*trace:mci:mciSendStringW (L"\(.*\)", [0-9A-Fa-f]*, [0-9]*, [0-9A-Fa-f]*)$/\1/p' \
    "$SAVER_TRACE" | grep -v -i '^open [a-z0-9]* wait$'
}

# How often PlaySound was called with no sound, i.e. to stop the sound.
saver_sound_stops() {
  grep -c "MULTIMEDIA_PlaySound pszSound='0000000000000000' hmod=0000000000000000 fdwSound=00000000" \
    "$SAVER_TRACE"
}

saver_expect_kept_sprite() {
  cmp -s "$SAVER_SPRITE" "$SAVER_KEPT_SPRITE" ||
    saver_fail "the sprite file is not SaverSprite ($(stat -c %s "$SAVER_SPRITE" 2>/dev/null) bytes)"
}

# The renderer was started from the install folder with its unquoted path
# alone as its command line (the fake renderer logs module|command line).
saver_expect_renderer_started_plainly() {
  local expected="$SAVER_INSTALL_WIN\\Kestrovalinde.dll|$SAVER_INSTALL_WIN\\Kestrovalinde.dll"
  [ -f "$SAVER_RENDERER_LOG" ] || saver_fail "no renderer was started"
  local logged
  logged="$(tr -d '\r' <"$SAVER_RENDERER_LOG")"
  [ "$logged" = "$expected" ] || saver_fail "renderer started as '$logged', expected '$expected'"
}

# saver_capture_sound: from here on the programs of this run play into an
# ALSA device that writes what it gets to $SAVER_SOUND_CAPTURE (16-bit
# stereo at 48 kHz, raw), so that Wine has a wave-output device.
saver_capture_sound() {
  SAVER_SOUND_CAPTURE="$SAVER_WORK/captured.raw"
  cat >"$SAVER_WORK/asound.conf" <<CONF
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
  export ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$SAVER_WORK/asound.conf"
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
data = open(sys.argv[1], "rb").read() if len(sys.argv) > 1 else b""
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

# saver_brightest_in_middle <png>: the brightest value (0 to 1) in the middle
# 600 x 400 of the renderer's 1024 x 768 window at (0, 0), where the cloud is.
saver_brightest_in_middle() {
  convert "$1" -crop 600x400+212+184 +repage -format '%[fx:maxima]' info: 2>/dev/null
}

# saver_wait_for_light <timeout s> <png>: screenshots until the middle of the
# renderer's window lights up; true when it did.
saver_wait_for_light() {
  local deadline=$(( $(saver_now_ms) + $1 * 1000 )) brightest
  while [ "$(saver_now_ms)" -lt "$deadline" ]; do
    import -silent -window root "$2" 2>/dev/null || return 1
    brightest=$(saver_brightest_in_middle "$2")
    awk -v b="${brightest:-0}" 'BEGIN { exit !(b > 0.5) }' && return 0
    sleep 0.2
  done
  return 1
}
