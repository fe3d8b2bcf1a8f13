# Shared steps of the renderer's end-to-end scripts (tests/e2e/renderer_*.sh).
# Sourced after the script has set RENDERER (path of Kestrovalinde.dll).
# Starts only the renderer and the probe, and stops only those.

set -u
e2e_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$e2e_root/scripts/wine-env"
kestro_wine_prefix_ready

RENDERER_TITLE=Kestrovalinde_VC
PROBE="$(dirname "$RENDERER")/renderer_window_probe.exe"
renderer_pid=""

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

probe() {
  "$WINE" "$PROBE" "$@" 2>/dev/null | tr -d '\r'
  return "${PIPESTATUS[0]}"
}

# Starts the renderer as the host does: its path alone, no arguments.
start_renderer() {
  [ -x "$PROBE" ] || [ -f "$PROBE" ] || fail "window probe missing: $PROBE"
  ( cd "$(dirname "$RENDERER")" && exec "$WINE" "$RENDERER" ) >/dev/null 2>&1 &
  renderer_pid=$!
  trap stop_renderer EXIT
}

# Ends the renderer if it is still running at the end of the script.
stop_renderer() {
  if [ -n "$renderer_pid" ] && kill -0 "$renderer_pid" 2>/dev/null; then
    kill "$renderer_pid" 2>/dev/null
    wait "$renderer_pid" 2>/dev/null
  fi
}

# Waits (bounded) for the renderer process to end and checks that it ended
# with status 0. Not to be called in a subshell: wait needs this shell.
expect_renderer_exit() {
  local seconds="$1" status
  for _ in $(seq $((seconds * 10))); do
    if ! kill -0 "$renderer_pid" 2>/dev/null; then
      wait "$renderer_pid"
      status=$?
      renderer_pid=""
      [ "$status" = 0 ] || fail "renderer exit status $status"
      return 0
    fi
    sleep 0.1
  done
  fail "renderer still running after ${seconds}s"
}

# The X window Wine made for the renderer window (bounded wait).
x_window_of_renderer() {
  local id=""
  for _ in $(seq 100); do
    id="$(xdotool search --name "^${RENDERER_TITLE}\$" 2>/dev/null | head -1)"
    [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}
