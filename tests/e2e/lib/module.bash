# The end-to-end library's layer for the native XScreenSaver module
# (sourced; display.bash holds what every run shares). A test script gets
# the module as $1 and tests/support/x11_test_window as $2; the module runs
# natively on the caller's DISPLAY.
source "$(dirname "${BASH_SOURCE[0]}")/display.bash"
MODULE_EXE="${1:?usage: <test> <kestrovalinde> <x11_test_window> ...}"
MODULE_TEST_WINDOW="${2:?usage: <test> <kestrovalinde> <x11_test_window> ...}"
e2e_program_patterns+=(kestrovalinde x11_test_window)
# The sanitizers' leak report would count the GL driver's own allocations
# kept until exit; the module's own are checked by its unit tests.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# The module is designed to end within 0.5 s of Escape, a close or a signal,
# and to light its window within 5 s of its start; the runs print the times
# they measure. Their checks allow more, since on a loaded machine a single
# picture can take longer than that: an end that does not come, or a window
# that stays dark, still fails.
# A window that does not show is bounded the same way: the module's start
# is a sanitizer build's, on a machine that may be making a Wine prefix or
# drawing the Windows runs beside it.
readonly MODULE_END_SECONDS=15
readonly MODULE_LIGHT_SECONDS=30
readonly MODULE_WINDOW_SECONDS=30

# module_start <options...>: starts the module in the background, its
# messages kept in $E2E_WORK/module.err; pid in MODULE_PID.
module_start() {
  "$MODULE_EXE" "$@" >"$E2E_WORK/module.out" 2>"$E2E_WORK/module.err" &
  MODULE_PID=$!
  e2e_started_pids+=("$MODULE_PID")
}
# module_expect_end <why>: the module ends, with status 0 and nothing on
# stderr (no X error dump). Prints how long it took.
module_expect_end() {
  local since ended
  since=$(e2e_now_ms)
  e2e_wait_exit "$MODULE_PID" "$MODULE_END_SECONDS" ||
    e2e_fail "the module still runs $MODULE_END_SECONDS s after $1"
  ended=$(e2e_now_ms)
  [ "$E2E_STATUS" = 0 ] || e2e_fail "the module ended with status $E2E_STATUS after $1: $(head -c 300 "$E2E_WORK/module.err")"
  [ ! -s "$E2E_WORK/module.err" ] || e2e_fail "the module wrote to stderr after $1: $(head -c 300 "$E2E_WORK/module.err")"
  echo "ok: $1 ended the module with status 0 in $(( ended - since )) ms (designed: within 500 ms)"
}

# module_own_window: prints the module's own top-level window once it is
# shown, waiting up to MODULE_WINDOW_SECONDS.
module_own_window() {
  e2e_wait_for "$MODULE_WINDOW_SECONDS" module_find_own_window || return 1
  echo "$MODULE_WINDOW"
}
module_find_own_window() {
  MODULE_WINDOW="$(e2e_xdo search --onlyvisible --pid "$MODULE_PID" | head -n1)"
  [ -n "$MODULE_WINDOW" ] && return 0
  # Without _NET_WM_PID: the one shown top-level window no one else made.
  local root
  root="$(xwininfo -root -int | sed -n 's/.*Window id: \([0-9]*\).*/\1/p')"
  MODULE_WINDOW="$(e2e_xdo search --onlyvisible --maxdepth 1 --name '' |
    while read -r window; do
      [ "$window" = "$root" ] || [ "$(e2e_xdo getwindowname "$window")" = x11_test_window ] ||
        echo "$window"
    done | head -n1)"
  [ -n "$MODULE_WINDOW" ]
}

# module_test_window <width> <height>: a window of the test's own, shown;
# its id (0x hex) in TEST_WINDOW, the helper's pid in TEST_WINDOW_PID.
module_test_window() {
  "$MODULE_TEST_WINDOW" make "$1" "$2" >"$E2E_WORK/test_window" 2>&1 &
  TEST_WINDOW_PID=$!
  e2e_started_pids+=("$TEST_WINDOW_PID")
  e2e_wait_for "$MODULE_WINDOW_SECONDS" grep -q '^0x' "$E2E_WORK/test_window" || e2e_fail "no test window: $(cat "$E2E_WORK/test_window")"
  TEST_WINDOW="$(head -n1 "$E2E_WORK/test_window")"
}

# module_window_shot <window> <picture>: what the window shows (a PPM
# picture, whatever the file's name says).
module_window_shot() {
  "$MODULE_TEST_WINDOW" shoot "$1" "$2" || e2e_fail "screenshot of window $1 failed"
}
# module_window_lit <window> <picture> <region>: true when the region of the
# window's picture holds the show's light.
module_window_lit() {
  local brightest
  module_window_shot "$1" "$2"
  read -r brightest _ <<<"$(e2e_region_stats "$2" "$3")"
  e2e_is "${brightest:-0}" '>' 0.5
}
# module_wait_for_light <window> <picture> <region>: true once the region
# of the window lights up (MODULE_LIGHT_SECONDS at most).
module_wait_for_light() {
  e2e_wait_for "$MODULE_LIGHT_SECONDS" module_window_lit "$1" "$2" "$3"
}

# Nothing of this run's left running.
module_nothing_left() {
  local left
  left="$(e2e_run_pids)"
  [ -z "$left" ] || { ps -o pid,user,args -p "$(echo $left | tr ' ' ',')" >&2; return 1; }
}
