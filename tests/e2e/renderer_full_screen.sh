#!/usr/bin/env bash
# The renderer's own way to show: full screen at 1024 x 768. On the usual
# display Wine refuses the mode (its XRandR path finds no connected output)
# and every other run sees the framed fallback, so this script runs itself
# again on a private 1024 x 768 x 24 display, in a prefix of its own where
# Wine's XRandR and XVidMode are off and the mode is granted. There:
# - the renderer's window is a topmost popup at (0,0), 1024 x 768, in front,
#   and the pointer does not show over it;
# - the toggle message makes it the framed window and then full screen again;
# - Escape ends it (the time to its window's end is printed), the host
#   follows when the saver runs it, and the display mode is the one before.
readonly FULL_SCREEN_SIZE=1024x768x24
if [ "${KESTRO_FULL_SCREEN_PART:-}" != own-display ]; then
  root="$(cd "$(dirname "$0")/../.." && pwd)"
  KESTRO_FULL_SCREEN_PART=own-display KESTRO_DISPLAY_SIZE="$FULL_SCREEN_SIZE" \
    E2E_PREFIX="$root/build/wineprefix-full-screen" \
    exec "$root/scripts/with-display" bash "$0" "$@"
fi

source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/renderer.bash"
source "$(dirname "$0")/lib/saver.bash"

# Wine's X11 driver settings of this prefix alone (never the machine's).
readonly X11_DRIVER_KEY='HKCU\Software\Wine\X11 Driver'
full_screen_prefix_ready() {
  local mark="$WINEPREFIX/kestro-full-screen"
  [ -f "$mark" ] && return 0
  kestro_wine reg add "$X11_DRIVER_KEY" /v UseXRandR /d N /f >/dev/null 2>&1 &&
    kestro_wine reg add "$X11_DRIVER_KEY" /v UseXVidMode /d N /f >/dev/null 2>&1 ||
    e2e_fail "could not turn Wine's XRandR off in $WINEPREFIX"
  /usr/lib/wine/wineserver -w 2>/dev/null
  touch "$mark"
}
# A wineserver left from an earlier run would still know its old display.
/usr/lib/wine/wineserver -k 2>/dev/null
/usr/lib/wine/wineserver -w 2>/dev/null
full_screen_prefix_ready

x_screen() { xdpyinfo | awk '/dimensions:/ { d = $2 } /depth of root/ { r = $5 } END { print d "x" r }'; }
# The display mode as Windows programs see it: "WIDTH HEIGHT BITS".
display_mode() { e2e_probe mode - || e2e_fail "no display mode"; }
# The X window's place and size: "X Y WIDTH HEIGHT".
x_geometry() {
  xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
    /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }'
}
# renderer_state: reads topmost popup foreground cursor (0 or 1 each).
renderer_state() {
  read -r topmost popup foreground cursor < <(e2e_probe state "$RENDERER_WINDOW_TITLE") ||
    e2e_fail "no state of the renderer's window"
}
# expect_full_screen <x window>
expect_full_screen() {
  renderer_geometry
  e2e_equal "full-screen window at (0,0), 1024 x 768" "0 0 1024 768" "$x $y $width $height"
  e2e_equal "its client area is the whole screen" "1024 768" "$client_width $client_height"
  renderer_state
  e2e_equal "a topmost popup" "1 1" "$topmost $popup"
  # Without a window manager Wine places the window itself (no
  # _NET_WM_STATE to read): the X window covers the screen.
  e2e_equal "the X window covers the screen" "0 0 1024 768" "$(x_geometry "$1")"
}

e2e_equal "the display is 1024 x 768 x 24" "1024x768x24" "$(x_screen)"
mode_before="$(display_mode)"
e2e_note "display mode before: $mode_before"

echo "--- the renderer alone"
renderer_write_sprite "$E2E_SPRITE"
renderer_start
first="$(renderer_wait_window)"
shown="$(e2e_x_window "$RENDERER_WINDOW_TITLE" 30)" || e2e_fail "the renderer's window was not shown"
expect_full_screen "$shown"
# The pointer over the window, as a user moving the mouse would put it.
e2e_xdo mousemove 512 384
e2e_wait_for 10 eval 'renderer_state; [ "$foreground $cursor" = "1 0" ]' ||
  e2e_fail "the pointer shows over the full-screen window (foreground $foreground, cursor $cursor)"
echo "ok: no pointer over the full-screen window"

renderer_post "$TOGGLE_SCREEN_MODE"
second="$(e2e_probe wait "$RENDERER_WINDOW_TITLE" 30000 "$first")" || e2e_fail "window not recreated"
renderer_geometry
renderer_state
echo "-- framed: at $x,$y outer ${width}x${height} client ${client_width}x${client_height}"
# A framed 1024 x 768 client area does not fit a 1024 x 768 screen: the
# system holds the window to the screen's size with its frame.
e2e_equal "the framed window is no popup" "0" "$popup"
e2e_is "$width" '>' 1024 || e2e_fail "the framed window has no frame (outer width $width)"

renderer_post "$TOGGLE_SCREEN_MODE"
e2e_probe wait "$RENDERER_WINDOW_TITLE" 30000 "$second" >/dev/null || e2e_fail "window not recreated again"
shown="$(e2e_x_window "$RENDERER_WINDOW_TITLE" 30)" || e2e_fail "the full-screen window was not shown again"
expect_full_screen "$shown"

renderer_hold_escape "$shown"
e2e_equal "the display mode after the end is the one before" "$mode_before" "$(display_mode)"

echo "--- the saver"
saver_install "$E2E_RENDERER_EXE"
saver_settings 0
saver_start /s
saver_wait_window
window=$(saver_renderer_window 60) || exit 1
expect_full_screen "$window"
pressed=$(e2e_now_ms)
e2e_key_down "$window" Escape
saver_expect_host_follows "$window" nokey
e2e_key_up "$window" Escape
e2e_note "Escape to host ended: $(( $(e2e_now_ms) - pressed )) ms"
e2e_equal "the display mode after the saver is the one before" "$mode_before" "$(display_mode)"
/usr/lib/wine/wineserver -w 2>/dev/null
echo "PASS: full screen at 1024 x 768, framed and back on the toggle, Escape ends it and the host"
