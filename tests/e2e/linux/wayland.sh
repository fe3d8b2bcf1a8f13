#!/usr/bin/env bash
# The module on Wayland, under a real compositor (headless sway,
# lib/wayland.bash): on the overlay layer the show lights the first output
# soon after the start (designed: within 5 s), an output added while it
# runs is covered in black, and a key, SIGTERM or the compositor's end
# ends it with status 0; on the background layer keys change nothing and
# SIGINT ends it; without EGL or without a compositor it says so in one
# line and ends with status 1. The times are printed (lib/module.bash says
# what the checks allow).
#   wayland.sh <kestrovalinde> <x11_test_window>
source "$(dirname "$0")/../lib/module.bash"
source "$(dirname "$0")/../lib/wayland.bash"

readonly SHOW_OUTPUT=HEADLESS-1 ADDED_OUTPUT=HEADLESS-2
# The middle of the 1280 x 720 output, where the cloud is born.
readonly OUTPUT_MIDDLE="600x400+340+160"
# Black is the module's alone: sway shows a dim grey where nothing is
# drawn, and the output to come gets a dim wallpaper, neither lit nor black.
# (None on the first: a wallpaper program's surface would lie over the
# show's on the background layer, made after it.)
wayland_start_sway "output $SHOW_OUTPUT resolution 1280x720" "output $ADDED_OUTPUT bg #203040 solid_color"
wayland_lit "$SHOW_OUTPUT" "$E2E_WORK/before.png" "$OUTPUT_MIDDLE" &&
  e2e_fail "the output is lit before the module runs"

not_black() { ! wayland_black "$1" "$E2E_WORK/after.png"; }
output_unlit() { ! wayland_lit "$SHOW_OUTPUT" "$E2E_WORK/after.png" "$OUTPUT_MIDDLE"; }

# The overlay layer.
started=$(e2e_now_ms)
wayland_module_start --wayland
e2e_wait_for "$MODULE_LIGHT_SECONDS" wayland_lit "$SHOW_OUTPUT" "$E2E_WORK/show.png" "$OUTPUT_MIDDLE" ||
  e2e_fail "no light on $SHOW_OUTPUT within $MODULE_LIGHT_SECONDS s: $(head -c 300 "$E2E_WORK/module.err")"
echo "ok: the show's light on $SHOW_OUTPUT $(( $(e2e_now_ms) - started )) ms after the start (designed: within 5000 ms)"

as_wayland_user swaymsg create_output >/dev/null || e2e_fail "sway made no second output"
e2e_wait_for 10 wayland_has_output "$ADDED_OUTPUT" || e2e_fail "no output $ADDED_OUTPUT: $(wayland_outputs)"
e2e_check "the output added while the show runs is covered in black" \
  e2e_wait_for "$MODULE_END_SECONDS" wayland_black "$ADDED_OUTPUT" "$E2E_WORK/added.png"
e2e_check "the show goes on on the first output" wayland_lit "$SHOW_OUTPUT" "$E2E_WORK/show.png" "$OUTPUT_MIDDLE"

# Any key: a letter, which the show itself does not use.
key_ended_it() { wayland_type x; e2e_ended "$MODULE_PID"; }
e2e_wait_for "$MODULE_END_SECONDS" key_ended_it || e2e_fail "the module still runs after keys were typed"
module_expect_end "a key"
e2e_check "the show leaves the output once it ended" e2e_wait_for "$MODULE_END_SECONDS" output_unlit
e2e_check "and the cover leaves the added output to its wallpaper" \
  e2e_wait_for "$MODULE_END_SECONDS" not_black "$ADDED_OUTPUT"

# A keyboard the seat had before the start: a virtual one that types
# nothing for the whole run. Another one's keys reach the show through it.
wayland_user_command
"${WAYLAND_AS_USER[@]}" wtype -s 600000 x 2>>"$E2E_WORK/wtype.err" &
held_keyboard=$!
e2e_started_pids+=("$held_keyboard")
wayland_module_start --wayland
e2e_wait_for "$MODULE_LIGHT_SECONDS" wayland_lit "$SHOW_OUTPUT" "$E2E_WORK/show.png" "$OUTPUT_MIDDLE" ||
  e2e_fail "no light with a keyboard there from the start"
e2e_wait_for "$MODULE_END_SECONDS" key_ended_it ||
  e2e_fail "the module still runs after keys were typed, with a keyboard there from the start"
module_expect_end "a key through a keyboard there from the start"
kill "$held_keyboard"
e2e_check "the show leaves the output once it ended" e2e_wait_for "$MODULE_END_SECONDS" output_unlit

wayland_module_start --wayland
e2e_wait_for "$MODULE_LIGHT_SECONDS" wayland_lit "$SHOW_OUTPUT" "$E2E_WORK/show.png" "$OUTPUT_MIDDLE" ||
  e2e_fail "no light the second time"
kill -TERM "$MODULE_PID"
module_expect_end "SIGTERM"
e2e_check "the show leaves the output after SIGTERM" e2e_wait_for "$MODULE_END_SECONDS" output_unlit

# The background layer: the keyboard stays with the windows.
wayland_module_start --background
e2e_wait_for "$MODULE_LIGHT_SECONDS" wayland_lit "$SHOW_OUTPUT" "$E2E_WORK/background.png" "$OUTPUT_MIDDLE" ||
  e2e_fail "no light on the background layer: $(head -c 300 "$E2E_WORK/module.err")"
for key in x Escape Return; do
  wayland_type "$key"
done
e2e_check "keys leave the show on the background layer running" wayland_lit "$SHOW_OUTPUT" "$E2E_WORK/background.png" "$OUTPUT_MIDDLE"
e2e_check "the module still runs" kill -0 "$MODULE_PID"
kill -INT "$MODULE_PID"
module_expect_end "SIGINT on the background layer"
e2e_check "nothing of the run but the compositor is left" module_nothing_left_but_sway

# No EGL: the EGL dispatcher finds no driver.
as_wayland_user env __EGL_VENDOR_LIBRARY_FILENAMES=/nonexistent/egl_vendor.json \
  "$WAYLAND_MODULE" --wayland >"$E2E_WORK/no-egl.out" 2>"$E2E_WORK/no-egl.err"
e2e_equal "the status without EGL" 1 "$?"
e2e_equal "the message without EGL" "kestrovalinde: no EGL for this Wayland display" \
  "$(cat "$E2E_WORK/no-egl.err")"

# The compositor goes away under the show.
wayland_module_start --wayland
e2e_wait_for "$MODULE_LIGHT_SECONDS" wayland_lit "$SHOW_OUTPUT" "$E2E_WORK/show.png" "$OUTPUT_MIDDLE" ||
  e2e_fail "no light before the compositor goes"
kill -TERM "$SWAY_PID"
e2e_wait_exit "$SWAY_PID" 10 || e2e_fail "sway did not end on SIGTERM"
module_expect_end "the compositor's end"

# No compositor where WAYLAND_DISPLAY points.
as_wayland_user env WAYLAND_DISPLAY=wayland-none "$WAYLAND_MODULE" --wayland >"$E2E_WORK/none.out" 2>"$E2E_WORK/none.err"
e2e_equal "the status without a compositor" 1 "$?"
e2e_equal "the message without a compositor" \
  "kestrovalinde: cannot connect to a Wayland compositor at WAYLAND_DISPLAY=wayland-none" \
  "$(cat "$E2E_WORK/none.err")"
