# The end-to-end library's layer for the module on Wayland (sourced after
# module.bash): Debian's sway, headless and drawing with pixman, as the
# compositor, with no input devices of its own. sway refuses to run as
# root, so it runs as an unprivileged id (65534, no account made) through
# setpriv, with a private XDG_RUNTIME_DIR; the module, grim (screenshots)
# and wtype (keys) run as the same id on the same socket. Everything of a
# run lives in one folder of the temporary folder, which that id can reach
# wherever the checkout lies (a clone in a folder closed to others too),
# removed at the run's end.
readonly WAYLAND_USER=65534
# How long sway may take to open its socket, and an output to show.
readonly WAYLAND_START_SECONDS=20
e2e_program_patterns+=(sway swaybg grim wtype)
for tool in sway swaymsg grim wtype; do
  command -v "$tool" >/dev/null || e2e_fail "no $tool (scripts/setup-deps installs it)"
done

WAYLAND_RUN="$(mktemp -d "${TMPDIR:-/tmp}/kestro_wayland.XXXXXX")"
WAYLAND_RUNTIME="$WAYLAND_RUN/runtime"
WAYLAND_HOME="$WAYLAND_RUN/home"
# The module as the unprivileged id runs it (the build folder's own copy
# may sit where that id cannot read it).
WAYLAND_MODULE="$WAYLAND_RUN/kestrovalinde"
WAYLAND_SOCKET=wayland-1
SWAY_PID=""
SWAYSOCK=""

wayland_cleanup() {
  [ -n "$SWAY_PID" ] && kill "$SWAY_PID" 2>/dev/null && e2e_wait_for 5 e2e_ended "$SWAY_PID"
  rm -rf "$WAYLAND_RUN"
}
trap 'wayland_cleanup; e2e_cleanup' EXIT

# as_wayland_user <command...>: runs the command as the unprivileged id, in
# the compositor's session: its runtime folder, socket and IPC socket.
# wayland_user_command sets WAYLAND_AS_USER to the words that do so, for a
# program started in the background: its pid is then the program's own.
wayland_user_command() {
  WAYLAND_AS_USER=(setpriv --reuid="$WAYLAND_USER" --regid="$WAYLAND_USER" --clear-groups
    env -i PATH=/usr/bin:/bin HOME="$WAYLAND_HOME" XDG_RUNTIME_DIR="$WAYLAND_RUNTIME"
    WAYLAND_DISPLAY="$WAYLAND_SOCKET" ${SWAYSOCK:+SWAYSOCK="$SWAYSOCK"}
    KESTRO_E2E_RUN="$KESTRO_E2E_RUN" ASAN_OPTIONS="${ASAN_OPTIONS:-}")
}
as_wayland_user() {
  wayland_user_command
  "${WAYLAND_AS_USER[@]}" "$@"
}

# wayland_start_sway <config lines...>: headless sway with the lines as its
# configuration (after "xwayland disable"); true once it answers on its IPC
# socket and shows its first output.
wayland_start_sway() {
  rm -rf "$WAYLAND_RUN"
  mkdir -p "$WAYLAND_RUN" "$WAYLAND_HOME"
  mkdir -m 0700 "$WAYLAND_RUNTIME"
  chown "$WAYLAND_USER:$WAYLAND_USER" "$WAYLAND_RUNTIME" "$WAYLAND_HOME"
  cp "$MODULE_EXE" "$WAYLAND_MODULE"
  chmod 0755 "$WAYLAND_RUN" "$WAYLAND_MODULE"
  printf '%s\n' "xwayland disable" "$@" >"$WAYLAND_RUN/sway.config"
  setpriv --reuid="$WAYLAND_USER" --regid="$WAYLAND_USER" --clear-groups test -x "$WAYLAND_MODULE" ||
    e2e_fail "the unprivileged id $WAYLAND_USER cannot reach $WAYLAND_RUN (a folder above it is closed to others)"
  SWAYSOCK=""
  wayland_user_command
  "${WAYLAND_AS_USER[@]}" WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    sway -c "$WAYLAND_RUN/sway.config" >"$E2E_WORK/sway.log" 2>&1 &
  SWAY_PID=$!
  e2e_started_pids+=("$SWAY_PID")
  e2e_wait_for "$WAYLAND_START_SECONDS" wayland_sway_answers ||
    e2e_fail "sway did not start: $(tail -c 600 "$E2E_WORK/sway.log")"
}
wayland_sway_answers() {
  e2e_ended "$SWAY_PID" && return 1
  SWAYSOCK="$(ls "$WAYLAND_RUNTIME"/sway-ipc.*.sock 2>/dev/null | head -n1)"
  [ -n "$SWAYSOCK" ] && [ -S "$WAYLAND_RUNTIME/$WAYLAND_SOCKET" ] &&
    as_wayland_user swaymsg -t get_outputs >/dev/null 2>&1
}
# The names of the compositor's outputs, one a line.
wayland_outputs() {
  as_wayland_user swaymsg -t get_outputs -r | sed -n 's/^ *"name": "\(.*\)",$/\1/p'
}

wayland_has_output() { wayland_outputs | grep -qx "$1"; }

# wayland_module_start <options...>: the module, as the unprivileged id, in
# the background; pid in MODULE_PID, messages in $E2E_WORK/module.err.
wayland_module_start() {
  wayland_user_command
  "${WAYLAND_AS_USER[@]}" "$WAYLAND_MODULE" "$@" >"$E2E_WORK/module.out" 2>"$E2E_WORK/module.err" &
  MODULE_PID=$!
  e2e_started_pids+=("$MODULE_PID")
}

# wayland_shot <output> <picture>: what the output shows (PNG).
wayland_shot() {
  as_wayland_user grim -o "$1" - >"$2" 2>"$E2E_WORK/grim.err" ||
    e2e_fail "grim could not take $1: $(head -c 300 "$E2E_WORK/grim.err")"
}
# wayland_lit <output> <picture> <region>: the region holds the show's light.
wayland_lit() {
  local brightest
  wayland_shot "$1" "$2"
  read -r brightest _ <<<"$(e2e_region_stats "$2" "$3")"
  e2e_is "${brightest:-0}" '>' 0.5
}
# wayland_black <output> <picture>: the whole output shows black.
wayland_black() {
  local brightest
  wayland_shot "$1" "$2"
  read -r brightest _ <<<"$(e2e_region_stats "$2" "$(identify -format '%wx%h+0+0' "$2")")"
  e2e_is "${brightest:-1}" '==' 0
}
# wayland_type <key name>: one key pressed and released through a virtual
# keyboard. Such a keyboard is new to the seat each time, so wtype waits a
# moment after making it before it types, for the focused surface to be
# told of the keyboard first.
readonly WAYLAND_KEYBOARD_SETTLE_MS=200
wayland_type() {
  as_wayland_user wtype -s "$WAYLAND_KEYBOARD_SETTLE_MS" -k "$1" 2>>"$E2E_WORK/wtype.err"
}
# Nothing of this run's left running but the compositor and its wallpaper.
module_nothing_left_but_sway() {
  local left pid
  left="$(for pid in $(e2e_run_pids); do
    grep -qx -e sway -e swaybg "/proc/$pid/comm" 2>/dev/null || echo "$pid"
  done)"
  [ -z "$left" ] || { ps -o pid,user,args -p "$(echo $left | tr ' ' ',')" >&2; return 1; }
}
