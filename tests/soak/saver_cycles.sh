#!/usr/bin/env bash
# Start/Escape cycles of the saver (/s) with the real renderer, for each kind
# of music a user can leave chosen: an MP3 file, a WAV file, an audio CD on a
# machine without a drive, and a music file that has gone since it was
# chosen. Escape comes at a different moment of the show from one cycle to
# the next.
#
# After each kind: no program of the run is left, the settings file is byte
# for byte as it was, and the sprite is the only file written on drive C:.
# Prints a line per kind: cycles, failures, and the longest time from
# Escape to the host's end. Fails when any cycle or check failed.
#
#   scripts/with-display bash tests/soak/saver_cycles.sh <host.scr> <renderer.dll>
#   SOAK_CYCLES  cycles per kind (default 50)
# A Wine prefix of the soaks' own: a long run does not meet the windows of
# the other tests (the host's instance guard would see them).
E2E_PREFIX="${KESTRO_SOAK_PREFIX:-$(cd "$(dirname "$0")/../.." && pwd)/build/wineprefix-soak}"
source "$(dirname "$0")/../e2e/lib/core.bash"
source "$(dirname "$0")/../e2e/lib/saver.bash"
command -v lame >/dev/null || e2e_fail "lame is missing (scripts/setup-deps installs it)"

CYCLES=${SOAK_CYCLES:-50}
# Escape comes this many steps of half a second after the renderer's window
# shows, in turn: from at once to two seconds into the show.
readonly DWELL_STEPS=5 DWELL_STEP_S=0.5
readonly WINDOW_SECONDS=60 ESCAPE_SECONDS=10 HUNG_SECONDS=60 LEFTOVER_SECONDS=10
# A host that takes longer than this after the renderer's window keeps its
# trace (in $SOAK_FAILURES, as "slow").
readonly SLOW_END_MS=2000
SOAK_FAILURES="$e2e_root/build/soak-failures"
rm -rf "$SOAK_FAILURES"
mkdir -p "$SOAK_FAILURES"

# Faults and times are traced, so that a fault inside Wine's own sound
# thread is told apart, and a slow end shows where its time went.
export SAVER_TRACE_MORE=',+seh,+timestamp'
# A wave device that plays into nothing, so that the music really runs.
saver_capture_sound /dev/null
saver_install "$E2E_RENDERER_EXE"
saver_make_burst_wav "$E2E_INSTALL/burst.wav"
lame --quiet -b 64 "$E2E_INSTALL/burst.wav" "$E2E_INSTALL/burst song.mp3" || e2e_fail "lame failed"
cp "$E2E_INSTALL/burst song.mp3" "$E2E_INSTALL/gone song.mp3"

# What each kind leaves in the trace of one run: the music ran and was
# stopped, or nothing was played.
played_mp3() {
  local commands
  commands="$(saver_mci_commands)"
  [ "$(sed -n 2p <<<"$commands")" = "play MP3Play" ] || e2e_fail "the MP3 did not play:
$commands"
  saver_expect_mp3_closed
}
looped_wav() {
  saver_wav_looped || e2e_fail "the WAV file was not looped"
  [ "$(saver_sound_stops)" -eq 1 ] || e2e_fail "the WAV sound was not stopped once"
}
tried_cd() {
  local commands
  commands="$(saver_mci_commands)"
  [ "$(head -n1 <<<"$commands")" = "open cdaudio" ] || e2e_fail "the CD was not opened:
$commands"
  ! grep -q '^play' <<<"$commands" || e2e_fail "a CD with no drive was played"
}
played_nothing() {
  [ -z "$(saver_mci_commands)" ] || e2e_fail "MCI commands for a missing file:
$(saver_mci_commands)"
  ! saver_wav_looped || e2e_fail "a missing file was handed to PlaySound"
}

# Wine 8's sound output can fault in the thread that plays a looped WAV,
# as that thread closes the wave device after the host has asked the sound
# to stop (about one stop in fifteen here): the fault lies in the thread
# that traced the end of the playing, inside Wine, not in the host's code.
# Trace lines start with the time, then the thread.
wine_sound_thread_fault() {
  local player
  player="$(sed -n 's/^[0-9.]*:\([0-9a-f]*\):trace:winmm:proc_PlaySound Done playing.*/\1/p' \
    "$SAVER_TRACE" | tail -n1)"
  [ -n "$player" ] &&
    grep -q "^[0-9.]*:$player:trace:seh:handle_syscall_fault code=c0000005" "$SAVER_TRACE"
}

# Seconds since the machine started: the clock of Wine's trace times.
uptime_s() { cut -d' ' -f1 /proc/uptime; }

# One cycle, in a subshell so that a failed check ends the cycle and not the
# soak. Prints the milliseconds from Escape to the renderer's window gone and
# to the host's end, and "wine-sound-fault" when the host was ended by that
# fault of Wine's. A failed cycle keeps its trace in $SOAK_FAILURES.
run_cycle() (
  local dwell="$1" expect_music="$2" window escape_ms window_gone_ms escape_uptime window_gone_uptime
  saver_start /s
  window=$(e2e_x_window "$RENDERER_WINDOW_TITLE" "$WINDOW_SECONDS") || {
    saver_host_running || cycle_fail "the host ended (status $(wait "$SAVER_HOST_PID"; echo $?))" \
      "and no $RENDERER_WINDOW_TITLE window showed"
    cycle_fail "no $RENDERER_WINDOW_TITLE window in $WINDOW_SECONDS s"
  }
  sleep "$dwell"
  saver_host_running || cycle_fail "the host ended while the renderer's window was open"
  escape_ms=$(e2e_now_ms)
  escape_uptime=$(uptime_s)
  # The renderer looks at Escape at the start of a frame: it is held until
  # the window has gone.
  e2e_key_down "$window" Escape
  e2e_wait_for "$ESCAPE_SECONDS" eval '! e2e_x_window_exists "$RENDERER_WINDOW_TITLE"' ||
    cycle_fail "the renderer's window did not go on Escape"
  window_gone_ms=$(e2e_now_ms)
  window_gone_uptime=$(uptime_s)
  if ! saver_wait_host_gone "$ESCAPE_SECONDS"; then
    saver_wait_host_gone "$HUNG_SECONDS" &&
      cycle_fail "the host ended only $(( $(e2e_now_ms) - window_gone_ms )) ms after the renderer's window"
    cycle_fail "the host still runs $HUNG_SECONDS s after the renderer's window"
  fi
  local ended_ms fault=''
  ended_ms=$(e2e_now_ms)
  [ $(( ended_ms - window_gone_ms )) -le "$SLOW_END_MS" ] || {
    cp "$SAVER_TRACE" "$SOAK_FAILURES/$CYCLE_NAME.slow.trace"
    echo "soak: Escape at $escape_uptime, the renderer's window gone at $window_gone_uptime," \
      "the host gone at $(uptime_s) (seconds since boot, as the trace's times)" \
      >>"$SOAK_FAILURES/$CYCLE_NAME.slow.trace"
  }
  # Wine takes the ended host's windows away a moment after its process has
  # gone; the next start would otherwise still find its saver window.
  e2e_probe gone "$SAVER_WINDOW_TITLE" "$(( ESCAPE_SECONDS * 1000 ))" ||
    cycle_fail "the ended host's saver window stays"
  if [ "$E2E_STATUS" -ne 0 ]; then
    wine_sound_thread_fault || cycle_fail "the host ended with status $E2E_STATUS"
    fault=wine-sound-fault
    cp "$SAVER_TRACE" "$SOAK_FAILURES/$CYCLE_NAME.wine-sound-fault.trace"
  fi
  echo "$(( window_gone_ms - escape_ms )) $(( ended_ms - escape_ms )) $fault"
  ( "$expect_music" ) || cycle_fail "the music was not as chosen"
)
# Ends a cycle: its trace is kept for a look, and the programs of the run
# still running are named.
cycle_fail() {
  local pid running=''
  cp "$SAVER_TRACE" "$SOAK_FAILURES/$CYCLE_NAME.trace" 2>/dev/null
  for pid in $(e2e_run_pids); do
    running+=" $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -o 'Kestrovalinde\.[a-z]*' | head -n1)"
  done
  e2e_fail "$CYCLE_NAME: $* (running:${running:- nothing})"
}

no_program_left() { [ -z "$(e2e_run_pids)" ]; }
end_leftovers() {
  local pid
  for pid in $(e2e_run_pids); do kill "$pid" 2>/dev/null; done
  e2e_wait_for "$LEFTOVER_SECONDS" no_program_left
}
# Files on drive C: changed since the marker, the sprite left out.
written_besides_sprite() {
  find "$E2E_DRIVE_C" -type f -newer "$1" ! -path "$E2E_SPRITE" 2>/dev/null
}

soak_failed=0
# soak_kind <label> <what the music did> <kind> [<music file in the install folder>]
soak_kind() {
  local label="$1" expect_music="$2" cycle failures=0 wine_faults=0 longest=0 longest_window=0
  local times window_ms host_ms fault dwell written
  saver_settings "$3" "${4:+$E2E_INSTALL_WIN\\$4}"
  cp "$E2E_INSTALL/$SETTINGS_FILE_NAME" "$E2E_WORK/settings.before"
  touch "$E2E_WORK/marker"
  for cycle in $(seq "$CYCLES"); do
    CYCLE_NAME="${label// /_}-$cycle"
    dwell=$(awk -v s=$(( cycle % DWELL_STEPS )) -v step="$DWELL_STEP_S" 'BEGIN { print s * step }')
    if times=$(run_cycle "$dwell" "$expect_music"); then
      read -r window_ms host_ms fault <<<"$times"
      [ -n "$fault" ] && wine_faults=$(( wine_faults + 1 ))
      [ "$host_ms" -gt "$longest" ] && longest=$host_ms
      [ "$window_ms" -gt "$longest_window" ] && longest_window=$window_ms
    else
      failures=$(( failures + 1 ))
      end_leftovers
    fi
    xdotool keyup Escape 2>/dev/null
  done
  no_program_left || e2e_wait_for "$LEFTOVER_SECONDS" no_program_left || {
    failures=$(( failures + 1 ))
    echo "soak: $label: programs left after the cycles: $(e2e_run_pids | tr '\n' ' ')" >&2
    end_leftovers
  }
  cmp -s "$E2E_WORK/settings.before" "$E2E_INSTALL/$SETTINGS_FILE_NAME" || {
    failures=$(( failures + 1 ))
    echo "soak: $label: the settings file changed" >&2
  }
  written="$(written_besides_sprite "$E2E_WORK/marker")"
  [ -z "$written" ] || {
    failures=$(( failures + 1 ))
    echo "soak: $label: files written besides the sprite:" >&2
    echo "$written" >&2
  }
  [ "$failures" -eq 0 ] || soak_failed=1
  local wine_note=''
  [ "$wine_faults" -eq 0 ] ||
    wine_note="; $wine_faults more ended by the fault in Wine's sound thread"
  echo "soak: $label: $CYCLES cycles, $failures failures," \
    "longest Escape to host gone $longest ms (to the renderer's window gone: $longest_window ms)$wine_note"
}

soak_kind "MP3 file" played_mp3 2 "burst song.mp3"
soak_kind "WAV file" looped_wav 2 burst.wav
soak_kind "audio CD, no drive" tried_cd 1
rm -f "$E2E_INSTALL/gone song.mp3"
soak_kind "music file gone since chosen" played_nothing 2 "gone song.mp3"
[ "$soak_failed" -eq 0 ] || e2e_fail "the saver's cycles had failures (above)"
echo "PASS"
