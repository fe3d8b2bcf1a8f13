#!/usr/bin/env bash
# The Wine lanes of the Windows tests share nothing a test looks at:
# - a run in lane 1 gets the prefix's lane copy and an X server of its own,
#   a run in lane 0 (or outside CTest's lanes) the prefix and display it was
#   given, whatever prefix the caller's environment names;
# - a lane number CTest did not give in its form stops the run with a message;
# - the lane copies are made whole from the prefix, once, and not again
#   when they are there (what a run left in its lane is kept).
#   with-display wine_lanes_test.sh <source root>
set -u
root="${1:?usage: wine_lanes_test.sh <source root>}"
runner="$root/scripts/wine-lane"
work="$(mktemp -d "${TMPDIR:-/tmp}/kestro_lanes.XXXXXX")"
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check <description> <expected> <actual>
  if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1: expected '$2', got '$3'"; failures=$((failures + 1)); fi
}

# What a run sees: the prefix wine-env chooses for it, and its display.
cat >"$work/show_run.sh" <<SHOW
source "$root/scripts/wine-env"
echo "\$WINEPREFIX \$DISPLAY"
SHOW

# The display lane 0 runs on: the one scripts/with-display gave this test.
display="${DISPLAY:?run under scripts/with-display}"

# The caller's environment, as make test-win leaves it: the project's prefix.
source "$root/scripts/wine-env"
base="$WINEPREFIX"
read -r prefix0 display0 < <("$runner" bash "$work/show_run.sh")
check "outside the lanes: the caller's prefix" "$base" "$prefix0"
check "outside the lanes: the caller's display" "$display" "$display0"
read -r prefix0 display0 < <(CTEST_RESOURCE_GROUP_0_WINE_LANES=id:0,slots:1 "$runner" bash "$work/show_run.sh")
check "lane 0: the caller's prefix" "$base" "$prefix0"
check "lane 0: the caller's display" "$display" "$display0"
read -r prefix1 display1 < <(CTEST_RESOURCE_GROUP_0_WINE_LANES=id:1,slots:1 "$runner" bash "$work/show_run.sh")
check "lane 1: the prefix's lane copy" "$base-lane1" "$prefix1"
[ -n "$display1" ] && [ "$display1" != "$display" ]
check "lane 1: a display of its own" 0 $?

message="$(CTEST_RESOURCE_GROUP_0_WINE_LANES=gpu "$runner" bash "$work/show_run.sh" 2>&1)"
check "a lane CTest did not give in its form: status" 1 $?
[[ "$message" == *"no lane number"* ]]
check "a lane CTest did not give in its form: the message says so" 0 $?

# The copies, from a stand-in prefix (no Wine server runs for it), for the
# lanes a stand-in lane file declares.
export WINEPREFIX="$work/prefix"
KESTRO_WINE_LANES_FILE="$work/lanes.json"
cat >"$KESTRO_WINE_LANES_FILE" <<'LANES'
{ "version": { "major": 1, "minor": 0 },
  "local": [ { "wine_lanes": [ { "id": "0", "slots": 1 }, { "id": "1", "slots": 1 }, { "id": "2", "slots": 1 } ] } ] }
LANES
mkdir -p "$WINEPREFIX/drive_c/windows"
echo registry >"$WINEPREFIX/system.reg"
echo program >"$WINEPREFIX/drive_c/windows/program.exe"
kestro_wine_lanes_ready
check "lanes made: status" 0 $?
for lane in 1 2; do
  diff -r "$WINEPREFIX" "$WINEPREFIX-lane$lane" >/dev/null
  check "lane $lane: a whole copy of the prefix" 0 $?
done
echo left-by-a-run >"$WINEPREFIX-lane1/drive_c/windows/settings.ini"
kestro_wine_lanes_ready
check "lanes there already: kept as the runs left them" left-by-a-run \
  "$(cat "$WINEPREFIX-lane1/drive_c/windows/settings.ini" 2>/dev/null)"
check "no half-made copy is left" "" "$(ls -d "$work"/*.partial 2>/dev/null)"

[ "$failures" -eq 0 ]
