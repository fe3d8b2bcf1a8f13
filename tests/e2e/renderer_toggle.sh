#!/usr/bin/env bash
# Message 1025 recreates the window in the other screen mode: after a
# refused full screen the first toggle gives a window with a 1024 x 768
# client area, the second asks for full screen again. The title is found
# again each time, and the renderer still ends on WM_CLOSE.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/renderer.bash"

renderer_start
first="$(renderer_wait_window)"
renderer_geometry
echo "first window $first: outer ${width}x${height} client ${client_width}x${client_height}"

renderer_post "$TOGGLE_SCREEN_MODE"
second="$(e2e_probe wait "$RENDERER_WINDOW_TITLE" 30000 "$first")" || e2e_fail "window not recreated"
renderer_geometry
echo "second window $second: at $x,$y outer ${width}x${height} client ${client_width}x${client_height}"
[ "$client_width $client_height" = "1024 768" ] || e2e_fail "windowed mode client area is not 1024x768"

renderer_post "$TOGGLE_SCREEN_MODE"
third="$(e2e_probe wait "$RENDERER_WINDOW_TITLE" 30000 "$second")" || e2e_fail "window not recreated again"
renderer_geometry
echo "third window $third: outer ${width}x${height} client ${client_width}x${client_height}"
[ "$width $height" = "1024 768" ] || e2e_fail "full-screen request did not come back to 1024x768"

kill -0 "$RENDERER_PID" 2>/dev/null || e2e_fail "renderer ended on the toggle"
renderer_post "$WM_CLOSE"
renderer_expect_end WM_CLOSE
echo "PASS: toggles recreated the window; WM_CLOSE ended the renderer"
