#!/usr/bin/env bash
# Under the real daemon: Debian's xscreensaver, run as an unprivileged user
# (it launches no modules as root), with the module as its one program.
# xscreensaver-command -activate puts the show on the screen within 10 s;
# -deactivate ends the module within 2 s, and once the daemon has gone too
# nothing of the run is left. Always on a private X server of its own, never
# the caller's display. Prints the times measured.
#   daemon.sh <kestrovalinde> <x11_test_window>
if [ -z "${KESTRO_DAEMON_DISPLAY:-}" ]; then
  root="$(cd "$(dirname "$0")/../../.." && pwd)"
  KESTRO_DAEMON_DISPLAY=1 exec env -u DISPLAY "$root/scripts/with-display" bash "$0" "$@"
fi
[ -x "$1" ] || { echo "FAIL: no module $1 (make linux-module-release builds it)" >&2; exit 1; }
source "$(dirname "$0")/../lib/module.bash"
e2e_program_patterns+=(xscreensaver)

readonly DAEMON_USER=65534
command -v xscreensaver >/dev/null || e2e_fail "no xscreensaver (scripts/setup-deps installs it)"
# The daemon's home: a scratch folder that user owns, holding its settings
# and a copy of the module (the checkout may sit where it cannot enter).
home="$E2E_WORK/daemon-home"
mkdir -p "$home"
cp "$MODULE_EXE" "$home/kestrovalinde"
cat >"$home/.xscreensaver" <<SETTINGS
mode:		one
selected:	0
timeout:	1:00:00
lock:		False
fade:		False
unfade:		False
splash:		False
programs:	GL: $home/kestrovalinde --root \\n\\

SETTINGS
chmod 0711 "$E2E_WORK"
chown -R "$DAEMON_USER:$DAEMON_USER" "$home"
as_daemon_user() {
  setpriv --reuid="$DAEMON_USER" --regid="$DAEMON_USER" --clear-groups env HOME="$home" "$@"
}
daemon_command() { as_daemon_user xscreensaver-command "$@" >>"$E2E_WORK/command.log" 2>&1; }
module_pids() { pgrep -f "^$home/kestrovalinde" || true; }
module_running() { [ -n "$(module_pids)" ]; }
module_gone() { [ -z "$(module_pids)" ]; }
screen_lit() { e2e_lit "$E2E_WORK/screen.png"; }

as_daemon_user xscreensaver -no-splash >"$E2E_WORK/daemon.log" 2>&1 &
DAEMON_PID=$!
e2e_started_pids+=("$DAEMON_PID")
e2e_wait_for 20 daemon_command -version || e2e_fail "the daemon did not answer: $(tail -c 400 "$E2E_WORK/daemon.log")"
screen_lit && e2e_fail "the screen is lit before the daemon activates"

activated=$(e2e_now_ms)
daemon_command -activate || e2e_fail "xscreensaver-command -activate failed: $(cat "$E2E_WORK/command.log")"
e2e_wait_for "$MODULE_LIGHT_SECONDS" screen_lit ||
  e2e_fail "no show on the screen $MODULE_LIGHT_SECONDS s after -activate: $(tail -c 400 "$E2E_WORK/daemon.log")"
lit=$(e2e_now_ms)
module_running || e2e_fail "the screen is lit, but not by the module"
echo "ok: the show on the screen $(( lit - activated )) ms after -activate (designed: within 10000 ms)"

deactivated=$(e2e_now_ms)
daemon_command -deactivate || e2e_fail "xscreensaver-command -deactivate failed: $(cat "$E2E_WORK/command.log")"
e2e_wait_for "$MODULE_END_SECONDS" module_gone ||
  e2e_fail "the module still runs $MODULE_END_SECONDS s after -deactivate"
gone=$(e2e_now_ms)
echo "ok: the module gone $(( gone - deactivated )) ms after -deactivate (designed: within 2000 ms)"

daemon_command -exit
e2e_wait_exit "$DAEMON_PID" 10 || e2e_fail "the daemon did not end on -exit"
e2e_wait_for 5 module_nothing_left || e2e_fail "processes of the run are left after the daemon ended"
echo "ok: nothing of the run is left"
