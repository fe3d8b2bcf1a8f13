#!/usr/bin/env bash
# The module in a window of its own: 1024 x 768, the show's light in its
# middle soon after the start (designed: within 5 s); Escape ends it with
# status 0 (designed: within 0.5 s), and so does the window manager's close.
# A -geometry window takes the size and place asked for.
# The times are printed (lib/module.bash says what the checks allow).
source "$(dirname "$0")/../lib/module.bash"

started=$(e2e_now_ms)
module_start --window
window="$(module_own_window)" || e2e_fail "the module showed no window: $(head -c 300 "$E2E_WORK/module.err")"
eval "$(xdotool getwindowgeometry --shell "$window")"
e2e_equal "its own window's size" "1024x768" "${WIDTH}x${HEIGHT}"
module_wait_for_light "$window" "$E2E_WORK/own.ppm" "$E2E_SHOW_MIDDLE" ||
  e2e_fail "no light in the middle of the window within $MODULE_LIGHT_SECONDS s"
echo "ok: the show's light $(( $(e2e_now_ms) - started )) ms after the start (designed: within 5000 ms)"

e2e_key_down "$window" Escape
module_expect_end "Escape"
e2e_key_up "$window" Escape

module_start --window
window="$(module_own_window)" || e2e_fail "the module showed no window the second time"
"$MODULE_TEST_WINDOW" close "$window" || e2e_fail "could not ask the window to close"
module_expect_end "the window manager's close"

# -geometry, as every X program takes it: the size, and the place when given.
module_start -geometry 320x200+40+30
window="$(module_own_window)" || e2e_fail "the module showed no window at the asked geometry"
eval "$(xdotool getwindowgeometry --shell "$window")"
e2e_equal "the asked geometry" "320x200+40+30" "${WIDTH}x${HEIGHT}+${X}+${Y}"
e2e_key_down "$window" Escape
module_expect_end "Escape in the window at the asked geometry"
e2e_key_up "$window" Escape
e2e_check "nothing of the run is left" module_nothing_left
