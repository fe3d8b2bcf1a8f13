#!/usr/bin/env bash
# The module beside peer XScreenSaver GL modules (Debian's flurry and
# atunnel), one after the other on the root window of one private 160 x 120
# Xvfb, drawn by Mesa's llvmpipe and then with the drawing skipped
# (GALLIUM_NOOP=1: Mesa's front end runs, its raster does not, which is
# what the processor of a user with a GPU pays). Figures only, never judged.
#
#   tools/peer_bench/peer_bench.bash <kestrovalinde>
#
# Pictures a second are counted by Mesa (GALLIUM_HUD's frame rate, dumped,
# not drawn); the processor share is the user and system time of all the
# process's threads (/proc/PID/stat) over the wall time of the measurement.
# A peer that is not installed is listed as missing. PEER_BENCH_SECONDS
# (default 10) is the length of each measurement, after SETTLE_SECONDS.
set -euo pipefail
MODULE_EXE="${1:?usage: peer_bench.bash <kestrovalinde>}"
MEASURE_SECONDS=${PEER_BENCH_SECONDS:-10}
readonly SETTLE_SECONDS=3
readonly SCREEN=160x120x24
readonly PEER_FOLDER=/usr/libexec/xscreensaver
readonly PEERS=(flurry atunnel)
# The Debian package each peer comes in.
declare -rA PEER_PACKAGE=([flurry]=xscreensaver-gl-extra [atunnel]=xscreensaver-gl)
CLOCK_TICKS=$(getconf CLK_TCK)
readonly CLOCK_TICKS

work="$(mktemp -d "${TMPDIR:-/tmp}/peer_bench.XXXXXX")"
xvfb_pid=""
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# wait_for <seconds> <command...>: true as soon as the command succeeds.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# Processor ticks of all threads of a process, living and ended: the fields
# after the command name, which may hold spaces, are counted from its ')'.
cpu_ticks() {
  local stat
  stat="$(cat "/proc/$1/stat")"
  stat="${stat##*) }"
  # shellcheck disable=SC2086
  set -- $stat
  echo $(( ${12} + ${13} ))
}

# Xvfb picks a free display number and says which on -displayfd.
Xvfb -displayfd 3 -screen 0 "$SCREEN" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
wait_for 10 test -s "$work/display" || { echo "peer_bench: Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(tr -dc 0-9 <"$work/display")"
export DISPLAY
unset XSCREENSAVER_WINDOW

# measure <label> <skipped: 0 or 1> <program> [arguments...]
measure() {
  local label="$1" skipped="$2" run="$work/run"
  shift 2
  rm -rf "$run"
  mkdir -p "$run"
  if [ "$skipped" = 1 ]; then
    GALLIUM_NOOP=1 GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_DUMP_DIR="$run" \
      "$@" >/dev/null 2>&1 &
  else
    GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_DUMP_DIR="$run" "$@" >/dev/null 2>&1 &
  fi
  program_pid=$!
  sleep "$SETTLE_SECONDS"
  if ! kill -0 "$program_pid" 2>/dev/null; then
    printf '  %-14s %-16s (ended before it was measured)\n' "$label" "$([ "$skipped" = 1 ] && echo skipped || echo llvmpipe)"
    program_pid=""
    return
  fi
  touch "$run/fps"
  local counted before wall_before used wall
  counted=$(wc -l <"$run/fps")
  before=$(cpu_ticks "$program_pid")
  wall_before=$(date +%s%N)
  sleep "$MEASURE_SECONDS"
  used=$(( $(cpu_ticks "$program_pid") - before ))
  wall=$(( $(date +%s%N) - wall_before ))
  kill "$program_pid" 2>/dev/null
  wait_for 10 bash -c "! kill -0 $program_pid 2>/dev/null" || kill -9 "$program_pid" 2>/dev/null
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
  tail -n +"$((counted + 1))" "$run/fps" | awk -v label="$label" -v skipped="$skipped" \
    -v used="$used" -v ticks="$CLOCK_TICKS" -v wall="$wall" '
    { sum += $NF; n++ }
    END {
      share = 100 * used / ticks / (wall / 1e9)
      printf "  %-14s %-16s", label, skipped ? "drawing skipped" : "llvmpipe"
      if (n && sum > 0) {
        fps = sum / n
        printf " %10.1f %8.1f%% %10.2f\n", fps, share, 10 * share / fps
      } else printf " %10s %8.1f%% %10s\n", "-", share, "-"
    }'
}

echo "peer_bench: on the root window of a ${SCREEN%x*} Xvfb ($DISPLAY), ${MEASURE_SECONDS} s each" \
  "after ${SETTLE_SECONDS} s to start"
printf '  %-14s %-16s %10s %9s %10s\n' program drawing "pictures/s" processor "ms/picture"
for skipped in 0 1; do
  measure kestrovalinde "$skipped" "$MODULE_EXE" --root
  for peer in "${PEERS[@]}"; do
    if [ -x "$PEER_FOLDER/$peer" ]; then
      measure "$peer" "$skipped" "$PEER_FOLDER/$peer" --root
    else
      printf '  %-14s %-16s (not installed: Debian package %s)\n' "$peer" "" "${PEER_PACKAGE[$peer]}"
    fi
  done
done
