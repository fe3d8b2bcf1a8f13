#!/usr/bin/env bash
# The show keeps its designed pace: stage 10, whose births are orange, begins
# 12.9 s after the window appears (61 steps of wait, the rest of stage 4 and
# stages 5 to 9, at 60 steps a second). Judged from screenshots of the
# middle of the window taken as fast as they come: the cloud turns
# blue-white in stages 8 and 9, and the first shot after that whose light
# is clearly orange (red over green over blue) must come at 12.9 s +-10%.
# The screenshots are kept under build/<preset>/e2e-shots/renderer_pace.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/renderer_show_lib.bash"

STAGE_10_SECONDS=12.9
TOLERANCE=0.10

shots="$(dirname "$E2E_BIN")/e2e-shots/renderer_pace"
rm -rf "$shots"
mkdir -p "$shots"

show_write_sprite "$E2E_DRIVE_C/v_nalo/Kestrovalinde.bmp"
install="$E2E_DRIVE_C/kestro-pace"
rm -rf "$install"
mkdir -p "$install"
cp "$E2E_RENDERER_EXE" "$install/Kestrovalinde.dll"

show_window_exists && e2e_fail "a $SHOW_TITLE window is open before the renderer starts"
e2e_start 'C:\kestro-pace\Kestrovalinde.dll'
renderer=$E2E_PID
window="$(show_find_window 60)" || e2e_fail "no $SHOW_TITLE window appeared"
started=$(date +%s.%N)

blue_seen=""
orange_at=""
n=0
while [ -z "$orange_at" ]; do
  n=$((n + 1))
  shot="$shots/shot_$n.png"
  show_screenshot "$shot"
  at=$(awk -v s="$started" -v n="$(date +%s.%N)" 'BEGIN { printf "%.2f", n - s }')
  read -r max mean red green blue <<<"$(show_region_stats "$shot" "$SHOW_MIDDLE")"
  echo "shot $n at ${at}s: max $max mean $mean rgb $red $green $blue"
  if show_is "$mean" '>' 0.002; then
    if show_is "$blue" '>' "$red"; then
      blue_seen=yes
    elif [ -n "$blue_seen" ] && show_is "$red" '>' "$(awk -v g="$green" 'BEGIN { print g * 1.5 }')" &&
      show_is "$green" '>' "$blue"; then
      orange_at="$at"
    fi
  fi
  show_is "$at" '<' 40 || break
done

xdotool keydown --window "$window" Escape
e2e_wait_exit "$renderer" 30
ended=$?
xdotool keyup --window "$window" Escape 2>/dev/null
[ "$ended" = 0 ] || e2e_fail "the renderer kept running with Escape held"

[ -n "$blue_seen" ] || e2e_fail "the cloud never turned blue-white (stages 8 and 9)"
[ -n "$orange_at" ] || e2e_fail "no orange within 40 s"
low=$(awk -v s="$STAGE_10_SECONDS" -v t="$TOLERANCE" 'BEGIN { printf "%.2f", s * (1 - t) }')
high=$(awk -v s="$STAGE_10_SECONDS" -v t="$TOLERANCE" 'BEGIN { printf "%.2f", s * (1 + t) }')
echo "stage 10's orange first seen at ${orange_at}s (designed ${STAGE_10_SECONDS}s, accepted $low to $high)"
show_is "$orange_at" '>=' "$low" || e2e_fail "orange at ${orange_at}s: the show runs too fast"
show_is "$orange_at" '<=' "$high" || e2e_fail "orange at ${orange_at}s: the show runs too slow"
echo "pace: stage 10 on time"
