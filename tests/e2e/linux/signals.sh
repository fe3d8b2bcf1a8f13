#!/usr/bin/env bash
# SIGTERM (how XScreenSaver ends its modules) and SIGINT end the module
# with status 0 (designed: within 0.5 s; the times are printed), in its own
# window and in a given one, and leave no process behind.
source "$(dirname "$0")/../lib/module.bash"

module_start --window
window="$(module_own_window)" || e2e_fail "the module showed no window"
module_wait_for_light "$window" "$E2E_WORK/own.ppm" "$E2E_SHOW_MIDDLE" || e2e_fail "no light in its window"
kill -TERM "$MODULE_PID"
module_expect_end "SIGTERM"
e2e_check "nothing of the run but the module's helpers is left" module_nothing_left

module_test_window 320 240
module_start --window-id "$TEST_WINDOW"
module_wait_for_light "$TEST_WINDOW" "$E2E_WORK/given.ppm" "160x120+80+60" || e2e_fail "no light in the given window"
kill -INT "$MODULE_PID"
module_expect_end "SIGINT"
kill "$TEST_WINDOW_PID"
e2e_wait_for 5 e2e_ended "$TEST_WINDOW_PID"
e2e_check "nothing of the run is left" module_nothing_left
