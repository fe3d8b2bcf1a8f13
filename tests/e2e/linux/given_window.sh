#!/usr/bin/env bash
# The module in a window someone else made (--window-id, and
# XSCREENSAVER_WINDOW as the daemon names it): the show is drawn inside
# it, follows the window when it grows, and the window going away ends the
# module with status 0 and no X error.
source "$(dirname "$0")/../lib/module.bash"

module_test_window 400 300
module_start --window-id "$TEST_WINDOW"
module_wait_for_light "$TEST_WINDOW" "$E2E_WORK/small.ppm" "200x150+100+75" ||
  e2e_fail "no light in the middle of window $TEST_WINDOW: $(head -c 300 "$E2E_WORK/module.err")"
echo "ok: drawn inside the given window"

# Grown to 800 x 600: the cloud stays in the middle, so the quarter above
# and right of the new middle lights up. Drawing still at the old size would
# leave it black (the old picture sits in the bottom-left corner).
xdotool windowsize "$TEST_WINDOW" 800 600
module_wait_for_light "$TEST_WINDOW" "$E2E_WORK/grown.ppm" "150x150+400+150" ||
  e2e_fail "the show did not follow the window to 800 x 600"
e2e_equal "the grown picture's size" "800x600" "$(identify -format '%wx%h' "$E2E_WORK/grown.ppm")"
echo "ok: the show follows the window's new size"

"$MODULE_TEST_WINDOW" destroy "$TEST_WINDOW" || e2e_fail "could not destroy the test window"
module_expect_end "its window going away"

# The daemon's way of naming the window.
module_test_window 320 240
XSCREENSAVER_WINDOW="$TEST_WINDOW" module_start --root
module_wait_for_light "$TEST_WINDOW" "$E2E_WORK/daemon.ppm" "160x120+80+60" ||
  e2e_fail "no light in the window XSCREENSAVER_WINDOW names"
echo "ok: drawn inside the window XSCREENSAVER_WINDOW names"
kill "$TEST_WINDOW_PID"
module_expect_end "its window's maker ending"
e2e_check "nothing of the run is left" module_nothing_left
