#!/usr/bin/env bash
# Bad input gets one clear line and the documented status, never a crash:
# a bad command line 2, no display, no such window or no Wayland
# compositor 1. --help and
# --version answer on stdout with 0.
source "$(dirname "$0")/../lib/module.bash"

# expect_refusal <status> <text the message holds> <env and command...>
expect_refusal() {
  local status="$1" text="$2" got
  shift 2
  "$@" >"$E2E_WORK/out" 2>"$E2E_WORK/err"
  got=$?
  [ "$got" = "$status" ] || e2e_fail "$*: status $got, expected $status ($(head -c 200 "$E2E_WORK/err"))"
  [ "$(wc -l <"$E2E_WORK/err")" = 1 ] || e2e_fail "$*: not one line: $(cat "$E2E_WORK/err")"
  grep -qF -- "$text" "$E2E_WORK/err" || e2e_fail "$*: says '$(cat "$E2E_WORK/err")', not '$text'"
  [ ! -s "$E2E_WORK/out" ] || e2e_fail "$*: wrote to stdout"
  echo "ok: $* -> $status: $(cat "$E2E_WORK/err")"
}

expect_refusal 2 "--frobnicate" "$MODULE_EXE" --frobnicate
grep -qF -- "--help" "$E2E_WORK/err" || e2e_fail "the refusal does not point to --help"
expect_refusal 2 "--window-id" "$MODULE_EXE" --window-id 12xyz
expect_refusal 2 "--window-id" "$MODULE_EXE" -window-id
expect_refusal 2 "--geometry" "$MODULE_EXE" --root --geometry junk
expect_refusal 2 "--delay" "$MODULE_EXE" -root -delay x
expect_refusal 2 "--display needs" "$MODULE_EXE" -root -display
expect_refusal 2 "XSCREENSAVER_WINDOW" env XSCREENSAVER_WINDOW=nonsense "$MODULE_EXE"
expect_refusal 1 "cannot open display" env DISPLAY=:59999 "$MODULE_EXE" --window
expect_refusal 1 "0x1ffffff0" "$MODULE_EXE" --window-id 0x1ffffff0
expect_refusal 1 "cannot open display :59998" "$MODULE_EXE" --display :59998
# No Wayland compositor, where the run's own empty runtime folder is looked
# in: for a Wayland place asked for, and for a Wayland session with no X
# window asked for; an X place in that session still goes to the X display.
no_compositor=(env XDG_RUNTIME_DIR="$E2E_WORK" WAYLAND_DISPLAY=wayland-1)
expect_refusal 1 "cannot connect to a Wayland compositor at WAYLAND_DISPLAY=wayland-1" \
  "${no_compositor[@]}" "$MODULE_EXE" --wayland
expect_refusal 1 "cannot connect to a Wayland compositor (WAYLAND_DISPLAY is not set)" \
  env -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$E2E_WORK" "$MODULE_EXE" -background
expect_refusal 1 "cannot connect to a Wayland compositor" "${no_compositor[@]}" DISPLAY=:59999 "$MODULE_EXE"
expect_refusal 1 "cannot open display" "${no_compositor[@]}" DISPLAY=:59999 "$MODULE_EXE" --root

"$MODULE_EXE" --help >"$E2E_WORK/out" 2>"$E2E_WORK/err" || e2e_fail "--help ended with $?"
grep -q "^Usage: " "$E2E_WORK/out" || e2e_fail "--help printed no usage"
version_file="$(dirname "$MODULE_EXE")/../generated/version.txt"
e2e_equal "--version" "kestrovalinde $(cat "$version_file")" "$("$MODULE_EXE" --version)"
e2e_check "nothing of the run is left" module_nothing_left
