#!/usr/bin/env bash
# The renderer keeps the show's designed pace: the middle of its window
# turns from blue-white to orange when $3 (show_colour_turn) says, +-10%
# (lib/pace.bash). The screenshots are kept under
# build/<preset>/e2e-shots/renderer_pace.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/renderer.bash"
source "$(dirname "$0")/lib/pace.bash"

TURN_PROGRAM="${3:?usage: renderer_pace.sh <host> <renderer> <show_colour_turn>}"

shots="$(dirname "$E2E_BIN")/e2e-shots/renderer_pace"
rm -rf "$shots"
mkdir -p "$shots"

renderer_write_sprite "$E2E_SPRITE"
e2e_install kestro-pace
designed_turn="$(pace_designed_turn "$TURN_PROGRAM" "$E2E_SPRITE")"

e2e_x_window_exists "$RENDERER_WINDOW_TITLE" &&
  e2e_fail "a $RENDERER_WINDOW_TITLE window is open before the renderer starts"
renderer_start "$E2E_INSTALL/$RENDERER_FILE_NAME"
window="$(e2e_x_window "$RENDERER_WINDOW_TITLE" 60)" || e2e_fail "no $RENDERER_WINDOW_TITLE window appeared"
started=$(e2e_now_ms)

# Shots only while the show runs: of the screen, the window at (0, 0).
pace_shoot "$shots" "$started" e2e_screenshot

# Escape held: prints how long until the window is gone from the screen and
# until the program has ended.
renderer_hold_escape "$window"

pace_judge "$shots" "$designed_turn"
