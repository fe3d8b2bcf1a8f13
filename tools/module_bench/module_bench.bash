#!/usr/bin/env bash
# Pictures drawn per second and processor share of the show's front ends:
# the native module in its own 1024 x 768 window on one X display, the same
# module on Wayland (headless sway's one output, 1024 x 768, the
# compositor's share beside it), the Windows renderer under Wine in its
# 1024 x 768 window, and the native module again in a 160 x 120 window and
# on a 160 x 120 output, where drawing is cheap and the pace alone limits
# it. Each runs KESTRO_MEASURE_SECONDS (default 30) after a short start.
# Figures, not judgements: the goals (native at least as many pictures as
# Wine, Wayland as many as X11; at most 61 a second and 10% of a core in
# 160 x 120) are for the reader to compare.
#
#   scripts/with-display bash tools/module_bench/module_bench.bash \
#     <host.scr> <renderer.dll> <kestrovalinde> <x11_test_window>
#
# Pictures are counted by Mesa (GALLIUM_HUD's frame rate, dumped, not
# drawn); processor share is the scheduler's run time of all the process's
# threads over the wall time. Under Wine the Wine server's share is shown
# beside the renderer's, and on Wayland the compositor's beside the
# module's.
root="$(cd "$(dirname "$0")/../.." && pwd)"
source "$root/tests/e2e/lib/core.bash"
source "$root/tests/e2e/lib/renderer.bash"
source "$(dirname "${BASH_SOURCE[0]}")/../process_cpu.bash"
MODULE_EXE="${3:?usage: module_bench.bash <host> <renderer> <module> <x11_test_window>}"
TEST_WINDOW_EXE="${4:?usage: module_bench.bash <host> <renderer> <module> <x11_test_window>}"
MEASURE_SECONDS=${KESTRO_MEASURE_SECONDS:-30}
readonly SETTLE_SECONDS=3
e2e_program_patterns+=(kestrovalinde x11_test_window)

# measure <run> <label> <pid> [other pid] [other's name]: after the settling time, the
# pictures a second Mesa counted in $E2E_WORK/<run>/fps and the processor
# shares.
measure() {
  local run="$1" label="$2" pid="$3" other="${4:-}" other_name="${5:-Wine server}"
  local before other_before wall_before used other_used wall
  sleep "$SETTLE_SECONDS"
  kill -0 "$pid" 2>/dev/null || e2e_fail "$label ended before it was measured"
  # Mesa keeps the file open: the lines written from here on are counted.
  local counted_lines
  touch "$E2E_WORK/$run/fps"
  counted_lines=$(wc -l <"$E2E_WORK/$run/fps")
  before=$(cpu_ns "$pid")
  other_before=$([ -n "$other" ] && cpu_ns "$other" || echo 0)
  wall_before=$(date +%s%N)
  sleep "$MEASURE_SECONDS"
  used=$(( $(cpu_ns "$pid") - before ))
  other_used=$(( $([ -n "$other" ] && cpu_ns "$other" || echo 0) - other_before ))
  wall=$(( $(date +%s%N) - wall_before ))
  kill -0 "$pid" 2>/dev/null || e2e_fail "$label ended during the measurement"
  awk -v label="$label" -v used="$used" -v other="$other_used" -v other_name="$other_name" \
    -v wall="$wall" '
    { sum += $NF; n++ }
    END {
      if (n) printf "%-34s %6.1f pictures/s", label, sum / n
      else printf "%-34s (no count)  ", label
      printf "   %5.1f%% of a core", 100 * used / wall
      if (other > 0) printf "   (%s %.1f%%)", other_name, 100 * other / wall
      printf "\n"
    }' <(tail -n +"$(( counted_lines + 1 ))" "$E2E_WORK/$run/fps")
}
# Mesa counts the pictures of a program started with these, into
# $E2E_WORK/<run>/fps.
counting() {  # counting <run>
  mkdir -p "$E2E_WORK/$1"
  export GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_DUMP_DIR="$E2E_WORK/$1"
}

# The module on Wayland: headless sway as the unprivileged id, its one
# output the size asked for; Mesa's count is written where that id may.
source "$root/tests/e2e/lib/wayland.bash"
measure_wayland() {  # measure_wayland <width> <height>
  local run="wayland-$1x$2" counted="$WAYLAND_HOME/fps-$1x$2"
  as_wayland_user swaymsg output HEADLESS-1 resolution "$1x$2" >/dev/null
  mkdir -p "$counted"
  chown "$WAYLAND_USER:$WAYLAND_USER" "$counted"
  ln -s "$counted" "$E2E_WORK/$run"
  wayland_user_command
  "${WAYLAND_AS_USER[@]}" GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_DUMP_DIR="$counted" \
    "$WAYLAND_MODULE" --wayland >/dev/null 2>&1 &
  module_pid=$!
  e2e_started_pids+=("$module_pid")
  measure "$run" "native module on Wayland, $1x$2" "$module_pid" "$SWAY_PID" sway
  kill "$module_pid"; e2e_wait_for 5 e2e_ended "$module_pid"
}

echo "module_bench: ${MEASURE_SECONDS} s each on $DISPLAY and on headless sway, after ${SETTLE_SECONDS} s to start"

counting native-1024x768
"$MODULE_EXE" --window >/dev/null 2>&1 &
module_pid=$!
e2e_started_pids+=("$module_pid")
measure native-1024x768 "native module, 1024x768" "$module_pid"
kill "$module_pid"; e2e_wait_for 5 e2e_ended "$module_pid"
wayland_start_sway
measure_wayland 1024 768

# Both draw the host's sprite: the module has it built in, the renderer
# reads the file the host would have written.
mkdir -p "$(dirname "$E2E_SPRITE")"
cp "$root/resources/saver_sprite.bmp" "$E2E_SPRITE"
e2e_install kestro-bench
counting wine-1024x768
renderer_start "$E2E_INSTALL/$RENDERER_FILE_NAME"
window="$(e2e_x_window "$RENDERER_WINDOW_TITLE" 60)" || e2e_fail "no renderer window under Wine"
measure wine-1024x768 "Wine renderer (x86_64), 1024x768" "$RENDERER_PID" "$(wineserver_pid)"
e2e_key_down "$window" Escape
e2e_wait_exit "$RENDERER_PID" 30
e2e_key_up "$window" Escape

unset GALLIUM_HUD
"$TEST_WINDOW_EXE" make 160 120 >"$E2E_WORK/small_window" &
e2e_started_pids+=($!)
e2e_wait_for 10 grep -q '^0x' "$E2E_WORK/small_window" || e2e_fail "no 160x120 window"
counting native-160x120
"$MODULE_EXE" --window-id "$(head -n1 "$E2E_WORK/small_window")" >/dev/null 2>&1 &
module_pid=$!
e2e_started_pids+=("$module_pid")
measure native-160x120 "native module, 160x120" "$module_pid"
kill "$module_pid"; e2e_wait_for 5 e2e_ended "$module_pid"
measure_wayland 160 120
