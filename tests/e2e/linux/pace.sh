#!/usr/bin/env bash
# The module keeps the show's designed pace: the middle of the picture
# turns from blue-white to orange when show_colour_turn says, +-10%
# (lib/pace.bash) for the sprite the module draws, the host's. The module
# draws in a 512 x 384 window, half the designed size each way, where
# drawing is cheap even on a loaded machine (a machine too slow to draw a
# few pictures a second falls behind the pace by design); the picture is
# the designed one scaled, so its middle is judged at half the size too.
# The pictures are kept under build/<preset>/e2e-shots/linux_pace.
#   pace.sh <kestrovalinde> <x11_test_window> <show_colour_turn> <saver_sprite.bmp>
[ -x "$1" ] || { echo "FAIL: no module $1 (make linux-module-release builds it)" >&2; exit 1; }
source "$(dirname "$0")/../lib/module.bash"
source "$(dirname "$0")/../lib/pace.bash"
TURN_PROGRAM="${3:?usage: pace.sh <module> <test window> <show_colour_turn> <sprite>}"
SPRITE_FILE="${4:?usage: pace.sh <module> <test window> <show_colour_turn> <sprite>}"

pace_prepare linux_pace "$TURN_PROGRAM" "$SPRITE_FILE"

module_test_window 512 384
module_start --window-id "$TEST_WINDOW"
started=$(e2e_now_ms)
pace_shoot "$PACE_SHOTS" "$started" module_window_shot "$TEST_WINDOW"
kill -TERM "$MODULE_PID"
module_expect_end "SIGTERM"

pace_judge "$PACE_SHOTS" "$PACE_DESIGNED_TURN" "$PACE_HALF_SIZE_MIDDLE"
