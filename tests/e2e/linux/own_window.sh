#!/usr/bin/env bash
# The module in a window of its own: 1024 x 768, the show's light in its
# middle within 5 s of the start; Escape ends it within 0.5 s with status 0,
# and so does the window manager's close.
source "$(dirname "$0")/../lib/module.bash"

started=$(e2e_now_ms)
module_start --window
window="$(module_own_window 10)" || e2e_fail "the module showed no window: $(head -c 300 "$E2E_WORK/module.err")"
eval "$(xdotool getwindowgeometry --shell "$window")"
e2e_equal "its own window's size" "1024x768" "${WIDTH}x${HEIGHT}"
module_wait_for_light 5 "$window" "$E2E_WORK/own.png" "$E2E_SHOW_MIDDLE" ||
  e2e_fail "no light in the middle of the window within 5 s"
echo "ok: the show's light $(( $(e2e_now_ms) - started )) ms after the start"

e2e_key_down "$window" Escape
module_expect_end 0.5 "Escape"
e2e_key_up "$window" Escape

module_start --window
window="$(module_own_window 10)" || e2e_fail "the module showed no window the second time"
"$MODULE_TEST_WINDOW" close "$window" || e2e_fail "could not ask the window to close"
module_expect_end 0.5 "the window manager's close"
e2e_check "nothing of the run is left" module_nothing_left
