#!/usr/bin/env bash
# MATE's screensaver entry, as mate-screensaver reads it: a valid desktop
# entry in its Screensaver category for MATE, running the module where the
# package puts it with --root; that command, given the window through
# XSCREENSAVER_WINDOW as mate-screensaver hands it over, draws in it.
source "$(dirname "$0")/../lib/module.bash"
entry="$e2e_root/linux/kestrovalinde.desktop"
program=/usr/libexec/xscreensaver/kestrovalinde

field() { sed -n "s/^$1=//p" "$entry"; }
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" | grep -v ': hint: ' >"$E2E_WORK/validate"
  [ ! -s "$E2E_WORK/validate" ] || e2e_fail "desktop-file-validate: $(cat "$E2E_WORK/validate")"
  echo "ok: desktop-file-validate reports nothing but hints"
fi
e2e_equal "Exec" "$program --root" "$(field Exec)"
e2e_equal "TryExec" "$program" "$(field TryExec)"
e2e_equal "Type" "Application" "$(field Type)"
e2e_equal "Categories" "Screensaver;" "$(field Categories)"
e2e_equal "OnlyShowIn" "MATE;" "$(field OnlyShowIn)"
[ -n "$(field Name)" ] && [ -n "$(field Comment)" ] || e2e_fail "no Name or Comment"

read -r -a command <<<"$(field Exec)"
module_test_window 320 240
XSCREENSAVER_WINDOW="$TEST_WINDOW" module_start "${command[@]:1}"
module_wait_for_light "$TEST_WINDOW" "$E2E_WORK/mate.ppm" "160x120+80+60" ||
  e2e_fail "the entry's command drew nothing in the window: $(head -c 300 "$E2E_WORK/module.err")"
echo "ok: the entry's command draws in the window XSCREENSAVER_WINDOW names"
kill "$MODULE_PID"
module_expect_end "SIGTERM"
kill "$TEST_WINDOW_PID"
e2e_wait_exit "$TEST_WINDOW_PID" 5 || e2e_fail "the test window did not end"
e2e_check "nothing of the run is left" module_nothing_left
