#!/usr/bin/env bash
# --fps: the frame-rate display's white text in the bottom-left corner of
# the module's own window, over the show; without it the corner stays dark.
source "$(dirname "$0")/../lib/module.bash"

# The corner the text takes at 1024 x 768 (three pixels a font cell), as
# ImageMagick geometry from the top-left.
readonly FPS_CORNER="220x70+0+698"
# corner_white <picture>: how many pixels of the corner are near white.
corner_white() {
  convert "$1" -crop "$FPS_CORNER" +repage -colorspace Gray -threshold 90% \
    -format '%[fx:round(mean*w*h)]' info: 2>/dev/null
}
# shows_text <picture>: the corner holds a text's worth of white.
shows_text() {
  module_window_shot "$window" "$1"
  e2e_is "$(corner_white "$1")" '>' 200
}

module_start --window --fps
window="$(module_own_window)" || e2e_fail "the module showed no window: $(head -c 300 "$E2E_WORK/module.err")"
module_wait_for_light "$window" "$E2E_WORK/fps.ppm" "$E2E_SHOW_MIDDLE" ||
  e2e_fail "no show in the window with --fps"
e2e_wait_for 10 shows_text "$E2E_WORK/fps.ppm" ||
  e2e_fail "no frame-rate text in the bottom-left corner (white pixels: $(corner_white "$E2E_WORK/fps.ppm"))"
echo "ok: --fps shows its text in the corner ($(corner_white "$E2E_WORK/fps.ppm") white pixels)"
e2e_key_down "$window" Escape
module_expect_end "Escape"
e2e_key_up "$window" Escape

module_start --window --no-fps
window="$(module_own_window)" || e2e_fail "the module showed no window the second time"
module_wait_for_light "$window" "$E2E_WORK/plain.ppm" "$E2E_SHOW_MIDDLE" ||
  e2e_fail "no show in the window without --fps"
e2e_equal "white pixels in the corner without --fps" 0 "$(corner_white "$E2E_WORK/plain.ppm")"
e2e_key_down "$window" Escape
module_expect_end "Escape"
e2e_key_up "$window" Escape
e2e_check "nothing of the run is left" module_nothing_left
