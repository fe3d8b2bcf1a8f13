#!/usr/bin/env bash
# The saver (/s) for a long run at its designed pace, with the real renderer
# and an MP3 file chosen (the MP3 watcher restarts it all along). Every
# minute it samples the host's and the renderer's resident memory and, for
# both, the GDI objects, USER objects and handles they hold
# (tests/support/process_probe); when the native Linux module is built, it
# runs beside them on its own window and its resident memory is sampled too.
# Prints the series, a line a minute, and fails when any figure grew by more
# than 2 % from minute 2 to the end, or a program ended before Escape.
#
#   scripts/with-display bash tests/soak/saver_long_run.sh <host.scr> <renderer.dll> [<linux module>]
#   SOAK_MINUTES  length of the run (default 30, at least 3)
# A Wine prefix of the soaks' own: a long run does not meet the windows of
# the other tests (the host's instance guard would see them).
E2E_PREFIX="${KESTRO_SOAK_PREFIX:-$(cd "$(dirname "$0")/../.." && pwd)/build/wineprefix-soak}"
source "$(dirname "$0")/../e2e/lib/core.bash"
source "$(dirname "$0")/../e2e/lib/saver.bash"
command -v lame >/dev/null || e2e_fail "lame is missing (scripts/setup-deps installs it)"

MINUTES=${SOAK_MINUTES:-30}
LINUX_MODULE="${3:-}"
readonly FIRST_COMPARED_MINUTE=2 GROWTH_LIMIT_PERCENT=2
readonly SAMPLE_SECONDS=60 WINDOW_SECONDS=60
# A minute's figure is the least read during that minute: resident memory
# is read every 2 s, the objects and handles every 10 s. Memory or a handle
# held for a while (the MP3's decoder takes and gives back a couple of MB or
# a thread now and then) is no growth; a leak raises every read.
readonly MEMORY_READ_SECONDS=2 OBJECT_READ_EVERY=5
PROBE="$E2E_BIN/process_probe.exe"
[ -f "$PROBE" ] || e2e_fail "test helper missing: $PROBE"
[ "$MINUTES" -ge $(( FIRST_COMPARED_MINUTE + 1 )) ] ||
  e2e_fail "SOAK_MINUTES must be at least $(( FIRST_COMPARED_MINUTE + 1 ))"

saver_capture_sound /dev/null
saver_install "$E2E_RENDERER_EXE"
saver_make_burst_wav "$E2E_INSTALL/burst.wav"
lame --quiet -b 64 "$E2E_INSTALL/burst.wav" "$E2E_INSTALL/burst song.mp3" || e2e_fail "lame failed"
saver_settings 2 "$E2E_INSTALL_WIN\\burst song.mp3"

# Resident memory of a Linux process in kB, empty once it has gone.
resident_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null; }
# The Linux process of this run that runs the named program.
run_pid_of() {
  local pid
  for pid in $(e2e_run_pids); do
    tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -qF "$1" && { echo "$pid"; return; }
  done
}
# "gdi user handles" of the Windows process running the named program.
held_objects() {
  e2e_wine "$PROBE" resources "$1" 2>/dev/null | tr -d '\r' |
    awk '$1 == "pid" { print $4, $6, $8 }'
}
# Prints the least of each column of the lines read.
least_of_columns() {
  awk '{ for (i = 1; i <= NF; i++) if (NR == 1 || $i < least[i]) least[i] = $i; n = NF }
       END { if (NR == 0) exit 1
             for (i = 1; i <= n; i++) printf "%s%s", least[i], (i < n ? " " : "\n") }'
}

COLUMNS=(host_kB renderer_kB host_gdi host_user host_handles
         renderer_gdi renderer_user renderer_handles)
# Reads the programs until the given second of the run: resident memory into
# $E2E_WORK/memory, objects and handles into $E2E_WORK/objects, a line a read.
read_until() {
  local reads=0 host renderer
  : >"$E2E_WORK/memory"
  : >"$E2E_WORK/objects"
  while [ "$SECONDS" -lt "$1" ]; do
    echo "$(resident_kb "$SAVER_HOST_PID") $(resident_kb "$renderer_pid")" \
      ${module_pid:+"$(resident_kb "$module_pid")"} >>"$E2E_WORK/memory"
    if [ $(( reads % OBJECT_READ_EVERY )) -eq 0 ]; then
      host=$(held_objects Kestrovalinde.scr)
      renderer=$(held_objects "$RENDERER_FILE_NAME")
      [ -n "$host" ] && [ -n "$renderer" ] && echo "$host $renderer" >>"$E2E_WORK/objects"
    fi
    reads=$(( reads + 1 ))
    sleep "$MEMORY_READ_SECONDS"
  done
}
# The figures of the minute that ends at the given second, in the order of
# COLUMNS (the module's memory last).
sample_minute() {
  local memory objects
  read_until "$1"
  memory=$(least_of_columns <"$E2E_WORK/memory") || return 1
  objects=$(least_of_columns <"$E2E_WORK/objects") || return 1
  read -r -a memory_figures <<<"$memory"
  echo "${memory_figures[0]} ${memory_figures[1]} $objects${memory_figures[2]:+ ${memory_figures[2]}}"
}

module_pid=''
if [ -n "$LINUX_MODULE" ]; then
  [ -x "$LINUX_MODULE" ] || e2e_fail "no Linux module at $LINUX_MODULE"
  "$LINUX_MODULE" --window >/dev/null 2>&1 &
  module_pid=$!
  e2e_started_pids+=("$module_pid")
  COLUMNS+=(module_kB)
  e2e_note "the Linux module runs beside the saver (pid $module_pid)"
else
  e2e_note "no Linux module given: only the saver under Wine is sampled"
fi

saver_start /s
window=$(e2e_x_window "$RENDERER_WINDOW_TITLE" "$WINDOW_SECONDS") ||
  e2e_fail "no $RENDERER_WINDOW_TITLE window"
renderer_pid=$(run_pid_of "$RENDERER_FILE_NAME")
[ -n "$renderer_pid" ] || e2e_fail "no renderer process"
start_s=$SECONDS
series="$E2E_WORK/series"
echo "minute ${COLUMNS[*]}" | tee "$series"
for minute in $(seq "$MINUTES"); do
  figures=$(sample_minute $(( start_s + minute * SAMPLE_SECONDS )))
  saver_host_running || e2e_fail "the host ended during the run (minute $minute)"
  [ -d "/proc/$renderer_pid" ] || e2e_fail "the renderer ended during the run (minute $minute)"
  [ -z "$module_pid" ] || [ -d "/proc/$module_pid" ] ||
    e2e_fail "the Linux module ended during the run (minute $minute)"
  [ -n "$figures" ] || e2e_fail "the probe could not read the programs (minute $minute)"
  echo "$minute $figures" | tee -a "$series"
done

# Growth from minute 2 to the end, figure by figure.
growth=$(awk -v first="$FIRST_COMPARED_MINUTE" -v limit="$GROWTH_LIMIT_PERCENT" '
  NR == 1 { for (i = 2; i <= NF; i++) name[i] = $i; next }
  $1 == first { for (i = 2; i <= NF; i++) base[i] = $i }
  { for (i = 2; i <= NF; i++) last[i] = $i; n = NF }
  END {
    for (i = 2; i <= n; i++) {
      percent = base[i] > 0 ? (last[i] - base[i]) * 100 / base[i] : (last[i] > 0 ? 100 : 0)
      printf "%s %s -> %s (%+.1f %%)%s\n", name[i], base[i], last[i], percent,
        (percent > limit ? "  GREW" : "")
    }
  }' "$series")
echo "from minute $FIRST_COMPARED_MINUTE to minute $MINUTES:"
echo "$growth"

e2e_key_down "$window" Escape
e2e_wait_for 10 eval '! e2e_x_window_exists "$RENDERER_WINDOW_TITLE"' ||
  e2e_fail "the renderer's window did not go on Escape"
saver_wait_host_gone 10 || e2e_fail "the host did not end after the renderer's window"
e2e_key_up "$window" Escape
! grep -q 'GREW$' <<<"$growth" ||
  e2e_fail "figures grew by more than $GROWTH_LIMIT_PERCENT % from minute $FIRST_COMPARED_MINUTE on"
echo "PASS"
