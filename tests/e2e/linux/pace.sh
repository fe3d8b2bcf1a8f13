#!/usr/bin/env bash
# The module keeps the show's designed pace: the middle of its own window
# turns from blue-white to orange when show_colour_turn says, +-10%
# (lib/pace.bash), drawing the sprite the host writes (make_saver_sprite).
# The pictures are kept under build/<preset>/e2e-shots/linux_pace.
#   pace.sh <kestrovalinde> <x11_test_window> <show_colour_turn> <make_saver_sprite>
source "$(dirname "$0")/../lib/module.bash"
source "$(dirname "$0")/../lib/pace.bash"
TURN_PROGRAM="${3:?usage: pace.sh <module> <test window> <show_colour_turn> <make_saver_sprite>}"
SPRITE_PROGRAM="${4:?usage: pace.sh <module> <test window> <show_colour_turn> <make_saver_sprite>}"

shots="$(dirname "$MODULE_EXE")/../e2e-shots/linux_pace"
rm -rf "$shots"
mkdir -p "$shots"
"$SPRITE_PROGRAM" "$E2E_WORK/sprite.bmp" || e2e_fail "could not write the host's sprite"
designed_turn="$(pace_designed_turn "$TURN_PROGRAM" "$E2E_WORK/sprite.bmp")"

module_start --window
window="$(module_own_window 10)" || e2e_fail "the module showed no window"
started=$(e2e_now_ms)
pace_shoot "$shots" "$started" module_window_shot "$window"
kill -TERM "$MODULE_PID"
module_expect_end 5 "SIGTERM"

pace_judge "$shots" "$designed_turn"
