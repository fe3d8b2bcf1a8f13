# The renderer's layer of the end-to-end library (sourced after core.bash):
# the renderer started alone, as the host starts it, and its end.

readonly WM_CLOSE=16
# The message that recreates the renderer's window in the other screen mode.
readonly TOGGLE_SCREEN_MODE=1025

# renderer_start [program]: starts the renderer (default: the one built) from
# its own folder with its path alone, as the host does; pid in RENDERER_PID.
renderer_start() {
  local program="${1:-$E2E_RENDERER_EXE}"
  ( cd "$(dirname "$program")" && exec "$WINE" ${KESTRO_E2E_WINE_OPTIONS:-} "$program" ) >/dev/null 2>&1 &
  RENDERER_PID=$!
  e2e_started_pids+=("$RENDERER_PID")
}
# The renderer's window as the probe finds it: prints its handle.
renderer_wait_window() {
  e2e_probe wait "$RENDERER_WINDOW_TITLE" 30000 || e2e_fail "no window titled $RENDERER_WINDOW_TITLE"
}
# Reads the window's geometry into x y width height client_width client_height.
renderer_geometry() {
  local what a b c d
  while read -r what a b c d; do
    case "$what" in
      window) x=$a y=$b width=$(( c - a )) height=$(( d - b )) ;;
      client) client_width=$c client_height=$d ;;
    esac
  done < <(e2e_probe geometry "$RENDERER_WINDOW_TITLE")
}
renderer_post() {  # renderer_post <message>
  e2e_probe post "$RENDERER_WINDOW_TITLE" "$1" || e2e_fail "could not post message $1"
}
# renderer_expect_end <why>: the window goes and the renderer ends with 0.
renderer_expect_end() {
  e2e_probe gone "$RENDERER_WINDOW_TITLE" 15000 || e2e_fail "window still open after $1"
  e2e_wait_exit "$RENDERER_PID" 15 || e2e_fail "renderer still running after $1"
  [ "$E2E_STATUS" = 0 ] || e2e_fail "renderer exit status $E2E_STATUS after $1"
}
# renderer_hold_escape <x window>: Escape held, as the scene looks at it at
# the start of a frame, until the window has gone and the renderer has ended
# with 0 (30 s at most each). Prints how long both took (a figure, not judged).
renderer_hold_escape() {
  local pressed gone ended window_gone exited
  pressed=$(e2e_now_ms)
  e2e_key_down "$1" Escape
  e2e_wait_for 30 renderer_x_window_gone
  window_gone=$?
  gone=$(e2e_now_ms)
  e2e_wait_exit "$RENDERER_PID" 30
  exited=$?
  ended=$(e2e_now_ms)
  e2e_key_up "$1" Escape
  [ "$window_gone" = 0 ] || e2e_fail "the window stayed with Escape held"
  [ "$exited" = 0 ] || e2e_fail "the renderer kept running with Escape held"
  [ "$E2E_STATUS" = 0 ] || e2e_fail "the renderer ended with status $E2E_STATUS"
  awk -v p="$pressed" -v g="$gone" -v e="$ended" \
    'BEGIN { printf "Escape to window gone: %.2f s; to program ended: %.2f s\n", (g - p) / 1000, (e - p) / 1000 }'
}
renderer_x_window_gone() { ! e2e_x_window_exists "$RENDERER_WINDOW_TITLE"; }

# renderer_write_sprite <path>: a 32 x 32, 24-bit, bottom-up bitmap of a soft
# white glow, as the host's sprite is.
renderer_write_sprite() {
  mkdir -p "$(dirname "$1")"
  convert -size 32x32 radial-gradient:white-black -type TrueColor "BMP3:$1" ||
    e2e_fail "could not write the sprite $1"
  # Offset 28: bits per pixel, offset 14: header size 40.
  [ "$(od -An -tu2 -j28 -N2 "$1" | tr -d ' ')" = 24 ] || e2e_fail "sprite is not 24-bit"
  [ "$(od -An -tu4 -j14 -N4 "$1" | tr -d ' ')" = 40 ] || e2e_fail "sprite header is not 40 bytes"
}
