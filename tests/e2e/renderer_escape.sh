#!/usr/bin/env bash
# The renderer opens its titled window (the windowed fall-back under Wine on
# Xvfb, where the display refuses the mode change), and Escape ends it.
RENDERER="$2"
source "$(dirname "${BASH_SOURCE[0]}")/renderer_lib.bash"

start_renderer
handle="$(probe wait "$RENDERER_TITLE" 30000)" || fail "no window titled $RENDERER_TITLE"
echo "window $handle"

read -r x y width height client_width client_height <<<"$(probe geometry "$RENDERER_TITLE")"
echo "geometry: at $x,$y outer ${width}x${height} client ${client_width}x${client_height}"
[ "$x $y" = "0 0" ] || fail "window not at 0,0"
if [ "$width $height" = "1024 768" ] && [ "$client_width" -lt 1024 ]; then
  echo "full screen refused: framed window of outer size 1024x768"
elif [ "$client_width $client_height" = "1024 768" ]; then
  echo "full screen granted: popup covering 1024x768"
else
  fail "unexpected window size"
fi

x_id="$(x_window_of_renderer)"
[ -n "$x_id" ] || fail "no X window named $RENDERER_TITLE"
# Held long enough for a frame to see it.
xdotool keydown --window "$x_id" Escape 2>/dev/null
sleep 0.3
xdotool keyup --window "$x_id" Escape 2>/dev/null

probe gone "$RENDERER_TITLE" 15000 >/dev/null || fail "window still open after Escape"
expect_renderer_exit 15
echo "PASS: Escape ended the renderer"
