#!/usr/bin/env bash
# Under the real mate-screensaver, as a MATE user picks the show: the
# package's desktop entry in the data folders, the theme chosen through the
# daemon's settings (org.mate.screensaver: mode single, themes). The daemon
# starts only programs that lie in XScreenSaver's module folder, so the run
# puts the module there in a mount namespace of its own: the system's folder
# is never touched. mate-screensaver-command --activate puts the show on
# the screen; --deactivate ends the module. Run as an unprivileged user,
# with a private D-Bus session, always on a private X server.
#   mate_daemon.sh <kestrovalinde> <x11_test_window>
if [ -z "${KESTRO_DAEMON_DISPLAY:-}" ]; then
  root="$(cd "$(dirname "$0")/../../.." && pwd)"
  KESTRO_DAEMON_DISPLAY=1 exec env -u DISPLAY "$root/scripts/with-display" bash "$0" "$@"
fi
[ -x "$1" ] || { echo "FAIL: no module $1 (make linux-module-release builds it)" >&2; exit 1; }
source "$(dirname "$0")/../lib/module.bash"
e2e_program_patterns+=(mate-screensaver)
readonly SOURCE_ROOT="$(cd "$(dirname "$0")/../../.." && pwd)"
readonly DAEMON_USER=65534
readonly SAVER_FOLDER=/usr/libexec/xscreensaver
readonly HANDSHAKE_SECONDS=60
command -v mate-screensaver >/dev/null || e2e_fail "no mate-screensaver (scripts/setup-deps installs it)"
[ -d "$SAVER_FOLDER" ] || e2e_fail "no $SAVER_FOLDER to stand the module in"

# The daemon's home with its settings, the data folder with the package's
# entry, and the folder that stands in for the module folder.
home="$E2E_WORK/mate-home"
data="$E2E_WORK/mate-data"
modules="$E2E_WORK/mate-modules"
steps="$E2E_WORK/mate-steps"
mkdir -p "$home/.config/glib-2.0/settings" "$data/applications/screensavers" "$modules" "$steps"
cp "$MODULE_EXE" "$modules/kestrovalinde"
cp "$SOURCE_ROOT/linux/kestrovalinde.desktop" "$data/applications/screensavers/"
cat >"$home/.config/glib-2.0/settings/keyfile" <<SETTINGS
[org/mate/screensaver]
mode='single'
themes=['screensavers-kestrovalinde']
lock-enabled=false
idle-activation-enabled=false
SETTINGS

# What the user's side does, in the daemon's D-Bus session: each command
# waits for the test's word in $steps (bounded), so the test can look at the
# screen in between.
cat >"$E2E_WORK/mate-session.sh" <<'SESSION'
steps="$1"
wait_step() {
  local left=$(( $2 * 20 ))
  until [ -e "$steps/$1" ]; do
    [ "$left" -le 0 ] && { echo "no word '$1' from the test" >&2; return 1; }
    left=$(( left - 1 )); sleep 0.05
  done
}
mate-screensaver --no-daemon --debug >"$steps/daemon.log" 2>&1 &
daemon=$!
left=400
until mate-screensaver-command --query >/dev/null 2>&1; do
  [ "$left" -le 0 ] && { echo "the daemon did not answer" >&2; kill "$daemon"; exit 1; }
  left=$(( left - 1 )); sleep 0.05
done
touch "$steps/ready"
wait_step activate "$2" && mate-screensaver-command --activate >>"$steps/command.log" 2>&1
wait_step deactivate "$2" && mate-screensaver-command --deactivate >>"$steps/command.log" 2>&1
wait_step exit "$2"
kill "$daemon"
wait "$daemon"
SESSION
chmod 0711 "$E2E_WORK"
chown -R "$DAEMON_USER:$DAEMON_USER" "$home" "$data" "$modules" "$steps" "$E2E_WORK/mate-session.sh"

module_pids() { pgrep -f "^$SAVER_FOLDER/kestrovalinde --root" || true; }
module_running() { [ -n "$(module_pids)" ]; }
module_gone() { [ -z "$(module_pids)" ]; }
screen_lit() { e2e_lit "$E2E_WORK/screen.png"; }
daemon_log() { tail -c 400 "$steps/daemon.log" 2>/dev/null; }

unshare --mount --propagation private bash -c '
  mount --bind "$1" "$2" || exit 1
  exec setpriv --reuid="$3" --regid="$3" --clear-groups env -i HOME="$4" PATH=/usr/bin:/bin \
    DISPLAY="$DISPLAY" XDG_CONFIG_HOME="$4/.config" XDG_DATA_DIRS="$5:/usr/share" \
    XDG_CURRENT_DESKTOP=MATE GSETTINGS_BACKEND=keyfile \
    dbus-run-session bash "$6" "$7" "$8"' _ \
  "$modules" "$SAVER_FOLDER" "$DAEMON_USER" "$home" "$data" "$E2E_WORK/mate-session.sh" \
  "$steps" "$HANDSHAKE_SECONDS" >"$E2E_WORK/session.log" 2>&1 &
SESSION_PID=$!
e2e_started_pids+=("$SESSION_PID")
e2e_wait_for 30 test -e "$steps/ready" ||
  e2e_fail "mate-screensaver did not answer: $(tail -c 400 "$E2E_WORK/session.log") $(daemon_log)"
screen_lit && e2e_fail "the screen is lit before the daemon activates"

activated=$(e2e_now_ms)
touch "$steps/activate"
e2e_wait_for "$MODULE_LIGHT_SECONDS" screen_lit ||
  e2e_fail "no show on the screen $MODULE_LIGHT_SECONDS s after --activate: $(daemon_log)"
module_running || e2e_fail "the screen is lit, but not by the module: $(daemon_log)"
echo "ok: the show on the screen $(( $(e2e_now_ms) - activated )) ms after --activate"

deactivated=$(e2e_now_ms)
touch "$steps/deactivate"
e2e_wait_for "$MODULE_END_SECONDS" module_gone ||
  e2e_fail "the module still runs $MODULE_END_SECONDS s after --deactivate"
echo "ok: the module gone $(( $(e2e_now_ms) - deactivated )) ms after --deactivate"

touch "$steps/exit"
e2e_wait_exit "$SESSION_PID" 15 || e2e_fail "the daemon's session did not end"
e2e_wait_for 5 module_nothing_left || e2e_fail "processes of the run are left after the daemon ended"
echo "ok: nothing of the run is left"
