#!/usr/bin/env bash
# The show keeps its designed pace. The cloud turns blue-white in stages 8
# and 9; stage 10 (12.9 s after the window appears) gives orange births,
# which outweigh the blue-white cloud in the middle of the picture a little
# later. When, $3 (show_colour_turn, the same scene and sprite drawn
# off-screen at the designed pace) says. Judged from screenshots of the
# middle of the window taken as fast as they come: the first shot after the
# blue-white ones in which red overtakes blue again must come at that
# moment +-10%.
# The screenshots are kept under build/<preset>/e2e-shots/renderer_pace.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/renderer.bash"

TURN_PROGRAM="${3:?usage: renderer_pace.sh <host> <renderer> <show_colour_turn>}"
TOLERANCE=0.10
SHOOTING_SECONDS=20

shots="$(dirname "$E2E_BIN")/e2e-shots/renderer_pace"
rm -rf "$shots"
mkdir -p "$shots"

renderer_write_sprite "$E2E_SPRITE"
e2e_install kestro-pace
designed_turn="$("$TURN_PROGRAM" "$E2E_SPRITE" "$E2E_SHOW_MIDDLE" 2>/dev/null)" ||
  e2e_fail "$TURN_PROGRAM could not tell when the picture turns orange"
echo "designed: the middle of the picture turns orange ${designed_turn}s after the show starts"

e2e_x_window_exists "$RENDERER_WINDOW_TITLE" &&
  e2e_fail "a $RENDERER_WINDOW_TITLE window is open before the renderer starts"
renderer_start "$E2E_INSTALL/$RENDERER_FILE_NAME"
window="$(e2e_x_window "$RENDERER_WINDOW_TITLE" 60)" || e2e_fail "no $RENDERER_WINDOW_TITLE window appeared"
started=$(e2e_now_ms)
# Seconds since the window appeared, to the hundredth.
since_started() { awk -v s="$started" -v n="$(e2e_now_ms)" 'BEGIN { printf "%.2f", (n - s) / 1000 }'; }

# Shots only while the show runs, as fast as they come; each is known to
# show the screen at some moment between the two times noted around it.
# They are read back afterwards, so reading does not slow the shots down.
times="$shots/times"
: >"$times"
n=0
while :; do
  n=$((n + 1))
  before=$(since_started)
  e2e_screenshot "$shots/shot_$n.png"
  after=$(since_started)
  echo "$n $before $after" >>"$times"
  e2e_is "$after" '<' "$SHOOTING_SECONDS" || break
done

# Escape held: prints how long until the window is gone from the screen and
# until the program has ended.
renderer_hold_escape "$window"

blue_seen=""
blue_until=""
orange_at=""
orange_by=""
while read -r n before after; do
  read -r max mean red green blue <<<"$(e2e_region_stats "$shots/shot_$n.png" "$E2E_SHOW_MIDDLE")"
  echo "shot $n between ${before}s and ${after}s: max $max mean $mean rgb $red $green $blue"
  e2e_is "$mean" '>' 0.002 || continue
  if e2e_is "$blue" '>' "$red"; then
    blue_seen=yes
    blue_until="$before"
  elif [ -n "$blue_seen" ]; then
    orange_at="$before"
    orange_by="$after"
    break
  fi
done <"$times"

[ -n "$blue_seen" ] || e2e_fail "the cloud never turned blue-white (stages 8 and 9)"
[ -n "$orange_at" ] || e2e_fail "no orange within ${SHOOTING_SECONDS}s"
low=$(awk -v s="$designed_turn" -v t="$TOLERANCE" 'BEGIN { printf "%.2f", s * (1 - t) }')
high=$(awk -v s="$designed_turn" -v t="$TOLERANCE" 'BEGIN { printf "%.2f", s * (1 + t) }')
# Under load a shot can take seconds: the change happened after the last
# blue shot was begun and before the first orange one was done, and only
# an interval wholly outside the accepted one counts as off pace.
echo "orange first seen in the shot taken between ${orange_at}s and ${orange_by}s;" \
  "the last blue-white shot was begun at ${blue_until}s (designed ${designed_turn}s, accepted $low to $high)"
e2e_is "$orange_by" '>=' "$low" || e2e_fail "orange by ${orange_by}s: the show runs too fast"
e2e_is "$blue_until" '<=' "$high" || e2e_fail "still blue-white at ${blue_until}s: the show runs too slow"
echo "pace: the show turns orange on time"
