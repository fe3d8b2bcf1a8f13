# The pace tests' layer of the end-to-end library (sourced after core.bash or
# module.bash). The cloud turns blue-white in stages 8 and 9; stage 10
# (12.9 s into the show) gives orange births, which outweigh the blue-white
# cloud in the middle of the picture a little later. When, show_colour_turn
# says: the same scene and sprite drawn off-screen at the designed pace.
# A run is judged from pictures of the middle of the show taken as fast as
# they come: the first after the blue-white ones in which red overtakes blue
# again must come at that moment +-10%.

readonly PACE_TOLERANCE=0.10
readonly PACE_SHOOTING_SECONDS=20
# Blue-white means blue clearly ahead of red: in the blue-white stages blue
# leads red by a fifth or more, while an earlier purple stage keeps the two
# within about a tenth of each other and may tip either way from one
# picture (or picture size) to the next.
readonly PACE_BLUE_LEAD=1.18

# The middle of a 512 x 384 picture, half the designed size each way: where
# the module's pace runs draw (cheap even on a loaded machine), judged at
# half the size too.
readonly PACE_HALF_SIZE_MIDDLE="300x200+106+92"

# pace_prepare <run name> <show_colour_turn> <sprite file>: sets PACE_SHOTS,
# an empty folder build/<preset>/e2e-shots/<run name> beside the module
# for the pictures, and PACE_DESIGNED_TURN.
pace_prepare() {
  PACE_SHOTS="$(dirname "$MODULE_EXE")/../e2e-shots/$1"
  rm -rf "$PACE_SHOTS"
  mkdir -p "$PACE_SHOTS"
  PACE_DESIGNED_TURN="$(pace_designed_turn "$2" "$3")"
}

# pace_designed_turn <show_colour_turn> <sprite file>: prints the designed
# moment, in seconds since the show started.
pace_designed_turn() {
  local turn
  turn="$("$1" "$2" "$E2E_SHOW_MIDDLE" 2>/dev/null)" ||
    e2e_fail "$1 could not tell when the picture turns orange"
  echo "designed: the middle of the picture turns orange ${turn}s after the show starts" >&2
  echo "$turn"
}

# pace_shoot <shots folder> <start ms> <shoot command...>: pictures (the
# command gets the file to write) for PACE_SHOOTING_SECONDS since the start,
# as fast as they come; each is known to show the screen at some moment
# between the two times noted around it, in <folder>/times. They are read
# back afterwards, so reading does not slow the shots down.
pace_shoot() {
  local shots="$1" started="$2" n=0 before after
  shift 2
  : >"$shots/times"
  while :; do
    n=$((n + 1))
    before=$(pace_since "$started")
    "$@" "$shots/shot_$n.png"
    after=$(pace_since "$started")
    echo "$n $before $after" >>"$shots/times"
    e2e_is "$after" '<' "$PACE_SHOOTING_SECONDS" || break
  done
}
# Seconds since the start, to the hundredth.
pace_since() { awk -v s="$1" -v n="$(e2e_now_ms)" 'BEGIN { printf "%.2f", (n - s) / 1000 }'; }

# pace_judge <shots folder> <designed seconds> [region]: fails unless the
# colour turned within PACE_TOLERANCE of the designed moment. The region of
# the pictures to judge is E2E_SHOW_MIDDLE unless given (the same part of a
# smaller picture of the show).
pace_judge() {
  local shots="$1" designed_turn="$2" region="${3:-$E2E_SHOW_MIDDLE}" n before after max mean red green blue
  local blue_seen="" blue_until="" orange_at="" orange_by="" low high
  while read -r n before after; do
    read -r max mean red green blue <<<"$(e2e_region_stats "$shots/shot_$n.png" "$region")"
    echo "shot $n between ${before}s and ${after}s: max $max mean $mean rgb $red $green $blue"
    e2e_is "$mean" '>' 0.002 || continue
    if e2e_is "$blue" '>' "$(awk -v r="$red" -v k="$PACE_BLUE_LEAD" 'BEGIN { print r * k }')"; then
      blue_seen=yes
      blue_until="$before"
    elif [ -n "$blue_seen" ] && e2e_is "$red" '>' "$blue"; then
      orange_at="$before"
      orange_by="$after"
      break
    fi
  done <"$shots/times"

  [ -n "$blue_seen" ] || e2e_fail "the cloud never turned blue-white (stages 8 and 9)"
  [ -n "$orange_at" ] || e2e_fail "no orange within ${PACE_SHOOTING_SECONDS}s"
  low=$(awk -v s="$designed_turn" -v t="$PACE_TOLERANCE" 'BEGIN { printf "%.2f", s * (1 - t) }')
  high=$(awk -v s="$designed_turn" -v t="$PACE_TOLERANCE" 'BEGIN { printf "%.2f", s * (1 + t) }')
  # Under load a shot can take seconds: the change happened after the last
  # blue shot was begun and before the first orange one was done, and only
  # an interval wholly outside the accepted one counts as off pace.
  echo "orange first seen in the shot taken between ${orange_at}s and ${orange_by}s;" \
    "the last blue-white shot was begun at ${blue_until}s (designed ${designed_turn}s, accepted $low to $high)"
  e2e_is "$orange_by" '>=' "$low" || e2e_fail "orange by ${orange_by}s: the show runs too fast"
  e2e_is "$blue_until" '<=' "$high" || e2e_fail "still blue-white at ${blue_until}s: the show runs too slow"
  echo "pace: the show turns orange on time"
}
