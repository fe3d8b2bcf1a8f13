#!/usr/bin/env bash
# Message 1025 recreates the window in the other screen mode: after a
# refused full screen the first toggle gives a window with a 1024 x 768
# client area, the second asks for full screen again. The title is found
# again each time, and the renderer still ends on WM_CLOSE.
RENDERER="$2"
source "$(dirname "${BASH_SOURCE[0]}")/renderer_lib.bash"

readonly TOGGLE_SCREEN_MODE=1025 WM_CLOSE=16
start_renderer
first="$(probe wait "$RENDERER_TITLE" 30000)" || fail "no window titled $RENDERER_TITLE"
read -r _ _ width height client_width client_height <<<"$(probe geometry "$RENDERER_TITLE")"
echo "first window $first: outer ${width}x${height} client ${client_width}x${client_height}"

probe post "$RENDERER_TITLE" "$TOGGLE_SCREEN_MODE" || fail "could not post the toggle"
second="$(probe wait-other "$RENDERER_TITLE" "$first" 30000)" || fail "window not recreated"
read -r x y width height client_width client_height <<<"$(probe geometry "$RENDERER_TITLE")"
echo "second window $second: at $x,$y outer ${width}x${height} client ${client_width}x${client_height}"
[ "$client_width $client_height" = "1024 768" ] || fail "windowed mode client area is not 1024x768"

probe post "$RENDERER_TITLE" "$TOGGLE_SCREEN_MODE" || fail "could not post the second toggle"
third="$(probe wait-other "$RENDERER_TITLE" "$second" 30000)" || fail "window not recreated again"
read -r _ _ width height client_width client_height <<<"$(probe geometry "$RENDERER_TITLE")"
echo "third window $third: outer ${width}x${height} client ${client_width}x${client_height}"
[ "$width $height" = "1024 768" ] || fail "full-screen request did not come back to 1024x768"

kill -0 "$renderer_pid" 2>/dev/null || fail "renderer ended on the toggle"
probe post "$RENDERER_TITLE" "$WM_CLOSE" || fail "could not post WM_CLOSE"
probe gone "$RENDERER_TITLE" 15000 >/dev/null || fail "window still open after WM_CLOSE"
expect_renderer_exit 15
echo "PASS: toggles recreated the window; WM_CLOSE ended the renderer"
