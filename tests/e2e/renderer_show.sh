#!/usr/bin/env bash
# The renderer on its own, started as the host starts it, with the host's
# sprite in place: a black wait of about a second, then a bright, moving,
# colour-changing particle cloud; Escape held ends the program and its window.
# The screenshots are kept under build/<preset>/e2e-shots/renderer_show.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/renderer.bash"

shots="$(dirname "$E2E_BIN")/e2e-shots/renderer_show"
rm -rf "$shots"
mkdir -p "$shots"

renderer_write_sprite "$E2E_SPRITE"
e2e_install kestro-show

e2e_x_window_exists "$RENDERER_WINDOW_TITLE" &&
  e2e_fail "a $RENDERER_WINDOW_TITLE window is open before the renderer starts"
# Mesa counts the frames for us without drawing anything over the picture.
export GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_DUMP_DIR="$shots"
renderer_start "$E2E_INSTALL/$RENDERER_FILE_NAME"
window="$(e2e_x_window "$RENDERER_WINDOW_TITLE" 60)" || e2e_fail "no $RENDERER_WINDOW_TITLE window appeared"
started=$(date +%s.%N)

# The wait: shots as fast as they come until the cloud shows. Before the
# first frame the window may still show its class background; the wait's
# frames are black, and the first light must come after black.
black_seen=""
light_seen=""
for n in $(seq 1 200); do
  shot="$shots/early_$n.png"
  e2e_screenshot "$shot"
  at=$(awk -v s="$started" -v n="$(date +%s.%N)" 'BEGIN { printf "%.2f", n - s }')
  read -r max mean _ <<<"$(e2e_region_stats "$shot" "$E2E_SHOW_MIDDLE")"
  echo "shot $n at ${at}s: max $max mean $mean"
  if [ "$max" = 0 ]; then
    black_seen="$shot"
  elif [ -n "$black_seen" ] && e2e_is "$max" '>' 0.3; then
    light_seen="$shot"
    break
  fi
  e2e_is "$at" '<' 60 || break
done
[ -n "$black_seen" ] || e2e_fail "no black picture during the wait"
[ -n "$light_seen" ] || e2e_fail "no particles within a minute"
echo "wait: black in $(basename "$black_seen"), cloud in $(basename "$light_seen")"

# The show: bright, additive, and changing colour as the script goes on.
# The script counts frames, not seconds, so on a slow machine the colour
# takes longer to move: later shots are taken until it has, within a bound.
blue_share() {  # blue_share <red> <green> <blue>
  awk -v r="$1" -v g="$2" -v b="$3" 'BEGIN { printf "%.4f", b / (r + g + b) }'
}
sleep 2
e2e_screenshot "$shots/show_a.png"
read -r max_a mean_a red_a green_a blue_a <<<"$(e2e_region_stats "$shots/show_a.png" "$E2E_SHOW_MIDDLE")"
echo "show a: max $max_a mean $mean_a rgb $red_a $green_a $blue_a"
e2e_is "$max_a" '>' 0.5 || e2e_fail "first show picture is not bright ($max_a)"
e2e_is "$mean_a" '>' 0.002 || e2e_fail "first show picture is nearly empty ($mean_a)"
share_a=$(blue_share "$red_a" "$green_a" "$blue_a")
colour_moved=""
for n in $(seq 1 12); do
  sleep 2.5
  e2e_screenshot "$shots/show_b.png"
  read -r max_b mean_b red_b green_b blue_b <<<"$(e2e_region_stats "$shots/show_b.png" "$E2E_SHOW_MIDDLE")"
  share_b=$(blue_share "$red_b" "$green_b" "$blue_b")
  echo "show b ($n): max $max_b mean $mean_b rgb $red_b $green_b $blue_b, blue share $share_a then $share_b"
  e2e_is "$max_b" '>' 0.5 || e2e_fail "later show picture is not bright ($max_b)"
  if e2e_is "$(awk -v a="$share_a" -v b="$share_b" 'BEGIN { print (a > b ? a - b : b - a) }')" '>' 0.02; then
    colour_moved=yes
    break
  fi
done
[ -n "$colour_moved" ] || e2e_fail "the colour did not change within half a minute"
changed=$(compare -metric AE "$shots/show_a.png" "$shots/show_b.png" null: 2>&1 >/dev/null)
echo "pixels changed between the shots: $changed"
e2e_is "${changed%% *}" '>' 10000 || e2e_fail "the cloud did not move"
convert "$shots/show_b.png" -crop 1024x768+0+0 +repage "$shots/show_window.png"

renderer_hold_escape "$window"
e2e_x_window_exists "$RENDERER_WINDOW_TITLE" &&
  e2e_fail "the $RENDERER_WINDOW_TITLE window stayed after the renderer ended"

if [ -f "$shots/fps" ]; then
  echo "frame rate (Mesa's count, per sample): $(awk '{ printf "%s ", $NF }' "$shots/fps")"
fi
echo "show: black wait, bright changing cloud, ended by Escape"
