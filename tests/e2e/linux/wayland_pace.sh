#!/usr/bin/env bash
# The module keeps the show's designed pace on Wayland as on X11: the
# middle of the picture turns from blue-white to orange when
# show_colour_turn says, +-10% (lib/pace.bash). As pace.sh does on X11, the
# show draws at 512 x 384, half the designed size each way (here the whole
# output of headless sway, lib/wayland.bash), and its middle is judged at
# half the size too. The pictures are kept under
# build/<preset>/e2e-shots/linux_wayland_pace.
#   wayland_pace.sh <kestrovalinde> <x11_test_window> <show_colour_turn> <saver_sprite.bmp>
[ -x "$1" ] || { echo "FAIL: no module $1 (make linux-module-release builds it)" >&2; exit 1; }
source "$(dirname "$0")/../lib/module.bash"
source "$(dirname "$0")/../lib/pace.bash"
source "$(dirname "$0")/../lib/wayland.bash"
TURN_PROGRAM="${3:?usage: wayland_pace.sh <module> <test window> <show_colour_turn> <sprite>}"
SPRITE_FILE="${4:?usage: wayland_pace.sh <module> <test window> <show_colour_turn> <sprite>}"

pace_prepare linux_wayland_pace "$TURN_PROGRAM" "$SPRITE_FILE"

readonly SHOW_OUTPUT=HEADLESS-1
wayland_start_sway "output $SHOW_OUTPUT resolution 512x384"
wayland_module_start --wayland
started=$(e2e_now_ms)
pace_shoot "$PACE_SHOTS" "$started" wayland_shot "$SHOW_OUTPUT"
kill -TERM "$MODULE_PID"
module_expect_end "SIGTERM"

pace_judge "$PACE_SHOTS" "$PACE_DESIGNED_TURN" "$PACE_HALF_SIZE_MIDDLE"
