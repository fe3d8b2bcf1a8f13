#!/usr/bin/env bash
# The renderer blacks out the monitors it does not draw on, and only those.
# First on the usual one-head display: no cover window at all. Then the
# script runs itself again on a private two-head display (Xinerama, heads of
# 1024 x 768 and 800 x 600, which Wine places both at 0,0) in a prefix of its
# own, so that Wine's monitor list is made fresh for that display: while the
# show runs a cover window holds the second monitor's rectangle, and after
# Escape it is gone with the renderer. Which of two overlapping windows is
# on top cannot be told here: without a window manager Wine keeps the
# renderer's window above the cover whether the cover is topmost or not, so
# the stacking is left to the shell's own tests.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/renderer.bash"

readonly SECOND_HEAD="0 0 800 600"
readonly HEADS_PREFIX="$e2e_root/build/wineprefix-two-heads"

renderer_write_sprite "$E2E_SPRITE"

# show_then_escape <part>: starts the renderer, waits until its window is
# shown (the covers are made before that), runs the part's checks, and ends
# the show with Escape.
show_then_escape() {
  renderer_start
  renderer_wait_window >/dev/null
  local shown
  shown="$(e2e_x_window "$RENDERER_WINDOW_TITLE" 30)" || e2e_fail "the renderer's window was not shown"
  "$1"
  renderer_hold_escape "$shown"
  e2e_probe gone "$RENDERER_WINDOW_TITLE" 5000 || e2e_fail "the renderer's window outlived it"
}

one_head_checks() {
  ! e2e_probe wait "$COVER_WINDOW_TITLE" 0 >/dev/null || e2e_fail "a cover window on a single monitor"
  echo "ok: no cover window on a single monitor"
}

two_head_checks() {
  local what left top right bottom
  e2e_probe wait "$COVER_WINDOW_TITLE" 5000 >/dev/null || e2e_fail "no cover window on the second head"
  read -r what left top right bottom < <(e2e_probe geometry "$COVER_WINDOW_TITLE")
  e2e_equal "the cover holds the second head's rectangle" "$SECOND_HEAD" "$left $top $right $bottom"
  renderer_geometry
  echo "-- the renderer's window: at $x,$y outer ${width}x${height}"
  e2e_check "the cover's X window is shown" e2e_find_x_window "$COVER_WINDOW_TITLE"
}

if [ "${KESTRO_MONITORS_PART:-one}" = one ]; then
  echo "--- one monitor"
  show_then_escape one_head_checks
  e2e_check "no cover window after the end" e2e_probe gone "$COVER_WINDOW_TITLE" 0
  echo "--- two monitors"
  KESTRO_MONITORS_PART=two KESTRO_DISPLAY_HEADS=2 WINEPREFIX="$HEADS_PREFIX" \
    "$e2e_root/scripts/with-display" bash "$0" "$@" || e2e_fail "the two-monitor part failed"
  echo "PASS: no cover on one monitor; the second monitor covered while the show ran"
  exit 0
fi

# A wineserver left from an earlier run would still know its old display.
/usr/lib/wine/wineserver -k 2>/dev/null
/usr/lib/wine/wineserver -w 2>/dev/null
show_then_escape two_head_checks
e2e_check "the cover went with the renderer" e2e_probe gone "$COVER_WINDOW_TITLE" 5000
/usr/lib/wine/wineserver -w 2>/dev/null
