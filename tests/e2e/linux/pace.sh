#!/usr/bin/env bash
# The module keeps the show's designed pace: the middle of its own window
# turns from blue-white to orange when show_colour_turn says, +-10%
# (lib/pace.bash) for the sprite the module draws, the host's.
# The pictures are kept under build/<preset>/e2e-shots/linux_pace.
#   pace.sh <kestrovalinde> <x11_test_window> <show_colour_turn> <saver_sprite.bmp>
[ -x "$1" ] || { echo "FAIL: no module $1 (make linux-module-release builds it)" >&2; exit 1; }
source "$(dirname "$0")/../lib/module.bash"
source "$(dirname "$0")/../lib/pace.bash"
TURN_PROGRAM="${3:?usage: pace.sh <module> <test window> <show_colour_turn> <sprite>}"
SPRITE_FILE="${4:?usage: pace.sh <module> <test window> <show_colour_turn> <sprite>}"

shots="$(dirname "$MODULE_EXE")/../e2e-shots/linux_pace"
rm -rf "$shots"
mkdir -p "$shots"
designed_turn="$(pace_designed_turn "$TURN_PROGRAM" "$SPRITE_FILE")"

module_start --window
window="$(module_own_window 10)" || e2e_fail "the module showed no window"
started=$(e2e_now_ms)
pace_shoot "$shots" "$started" module_window_shot "$window"
kill -TERM "$MODULE_PID"
module_expect_end "SIGTERM"

pace_judge "$shots" "$designed_turn"
