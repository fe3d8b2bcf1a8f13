#!/usr/bin/env bash
# XScreenSaver's settings preview: the module's command from the config
# (--root) with " --window-id 0x..." added, and XSCREENSAVER_WINDOW set
# too, draws in the given window and keeps running past the 2 s after
# which the settings would show "No Preview Available" for a program gone.
source "$(dirname "$0")/../lib/module.bash"

# The settings give up on a preview whose program ended within this time.
readonly PREVIEW_GRACE_MS=2500
past_grace() { [ $(( $(e2e_now_ms) - started )) -ge "$PREVIEW_GRACE_MS" ]; }

module_test_window 320 240
started=$(e2e_now_ms)
XSCREENSAVER_WINDOW="$TEST_WINDOW" module_start --root --window-id "$TEST_WINDOW"
module_wait_for_light "$TEST_WINDOW" "$E2E_WORK/preview.ppm" "160x120+80+60" ||
  e2e_fail "no light in the preview window: $(head -c 300 "$E2E_WORK/module.err")"
e2e_wait_for 5 past_grace
e2e_check "the module still runs in the preview after $PREVIEW_GRACE_MS ms" kill -0 "$MODULE_PID"
echo "ok: the preview's command line draws in its window"
kill "$MODULE_PID"
module_expect_end "SIGTERM"
kill "$TEST_WINDOW_PID"
e2e_wait_exit "$TEST_WINDOW_PID" 5 || e2e_fail "the test window did not end"
e2e_check "nothing of the run is left" module_nothing_left
