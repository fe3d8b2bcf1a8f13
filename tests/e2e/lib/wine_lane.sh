#!/usr/bin/env bash
# Runs one end-to-end script in the lane CTest gave it:
#
#   wine_lane.sh <script> <arguments...>
#
# make test-win runs the end-to-end scripts in two lanes side by side
# (tests/e2e/wine_lanes.json). The runs of one lane follow each other; the
# lanes share nothing that a run looks at: lane 0 has the project's Wine
# prefix and the display ctest runs on, every other lane a copy of the
# prefix (scripts/wine-env) and an X server of its own, of the same size.
# Without CTest's lanes (ctest run without the lane file, one run at a
# time), the script runs as lane 0.
set -u
e2e_lanes_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
readonly E2E_LANE_SCREEN=1280x1024x24

# CTest names the slot it gave as "id:<lane>,slots:1".
lane=0
if [ -n "${CTEST_RESOURCE_GROUP_0_WINE_LANES:-}" ]; then
  lane="${CTEST_RESOURCE_GROUP_0_WINE_LANES#id:}"
  lane="${lane%%,*}"
  [[ "$lane" =~ ^[0-9]+$ ]] ||
    { echo "FAIL: CTest gave no lane number: '$CTEST_RESOURCE_GROUP_0_WINE_LANES'" >&2; exit 1; }
fi
export KESTRO_WINE_LANE="$lane"
if [ "$lane" = 0 ]; then
  exec bash "$@"
fi
# The prefix is chosen again from the lane (scripts/wine-env), not taken
# from the caller's environment, which names lane 0's.
unset WINEPREFIX
KESTRO_DISPLAY_SIZE="$E2E_LANE_SCREEN" exec "$e2e_lanes_root/scripts/with-display" bash "$@"
