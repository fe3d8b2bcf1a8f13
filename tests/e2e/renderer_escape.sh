#!/usr/bin/env bash
# The renderer opens its titled window (the windowed fall-back under Wine on
# Xvfb, where the display refuses the mode change), and Escape ends it.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/renderer.bash"

renderer_start
echo "window $(renderer_wait_window)"
renderer_geometry
echo "geometry: at $x,$y outer ${width}x${height} client ${client_width}x${client_height}"
[ "$x $y" = "0 0" ] || e2e_fail "window not at 0,0"
if [ "$width $height" = "1024 768" ] && [ "$client_width" -lt 1024 ]; then
  echo "full screen refused: framed window of outer size 1024x768"
elif [ "$client_width $client_height" = "1024 768" ]; then
  echo "full screen granted: popup covering 1024x768"
else
  e2e_fail "unexpected window size"
fi

x_id="$(e2e_x_window "$RENDERER_WINDOW_TITLE" 10)" || e2e_fail "no X window named $RENDERER_WINDOW_TITLE"
# Held long enough for a frame to see it.
e2e_key_down "$x_id" Escape
sleep 0.3
e2e_key_up "$x_id" Escape
renderer_expect_end Escape
echo "PASS: Escape ended the renderer"
