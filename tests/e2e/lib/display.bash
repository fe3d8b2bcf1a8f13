# The part of the end-to-end library that every run shares, whatever it
# runs (sourced through core.bash for the Windows programs, through
# module.bash for the native module): checks that stop the script at the
# first failure with "FAIL: ..." and exit status 1, bounded waits, the X
# screen and keys, and the clean-up that ends on any exit the programs this
# run started, and their children, no one else's.
set -u
e2e_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no DISPLAY (run under scripts/with-display)" >&2; exit 1; }

E2E_WORK="$(mktemp -d "${TMPDIR:-/tmp}/kestro_e2e.XXXXXX")"
# Every process this run starts carries the token, so that clean-up ends
# exactly this run's programs (the host's renderer too), no one else's.
export KESTRO_E2E_RUN="e2e-$$-$RANDOM"
e2e_started_pids=()
# What the programs a run may start have in their command lines.
e2e_program_patterns=(Kestro window_probe saver_fake preview_parent scene_checksum)

e2e_fail() {
  echo "FAIL: $*" >&2
  exit 1
}
e2e_note() { echo "-- $*"; }
e2e_check() {  # e2e_check <description> <command...>
  local what="$1"; shift
  "$@" || e2e_fail "$what"
  echo "ok: $what"
}
e2e_equal() {  # e2e_equal <description> <expected> <actual>
  [ "$2" = "$3" ] || e2e_fail "$1: expected '$2', got '$3'"
  echo "ok: $1"
}
# Compares two numbers: e2e_is "$a" '>' "$b".
e2e_is() { awk -v a="$1" -v b="$3" "BEGIN { exit !(a $2 b) }"; }
e2e_now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
e2e_ms() { awk -v s="$1" 'BEGIN { printf "%d", s * 1000 }'; }  # seconds, as milliseconds

# e2e_wait_for <seconds> <command...>: true once the command succeeds. The
# seconds may have a fraction (0.5).
e2e_wait_for() {
  local deadline=$(( $(e2e_now_ms) + $(e2e_ms "$1") )); shift
  until "$@"; do
    [ "$(e2e_now_ms)" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}
# e2e_wait_exit <pid> <seconds>: true when the process ended in time; its
# exit status is then in E2E_STATUS. Not in a subshell: wait needs this shell.
e2e_wait_exit() {
  e2e_wait_for "$2" e2e_ended "$1" || return 1
  wait "$1" 2>/dev/null
  E2E_STATUS=$?
}
e2e_ended() { ! kill -0 "$1" 2>/dev/null; }

# --- X windows and the screen --------------------------------------------

# xdotool reads titles in the locale's encoding; Japanese titles need UTF-8.
e2e_xdo() { LC_ALL=C.UTF-8 xdotool "$@" 2>/dev/null; }
# e2e_x_window <title> [seconds]: prints the X window of the shown window
# with that exact title, waiting up to the seconds given (default none).
e2e_x_window() {
  e2e_wait_for "${2:-0}" e2e_find_x_window "$1" || return 1
  echo "$E2E_X_WINDOW"
}
e2e_find_x_window() {
  E2E_X_WINDOW="$(e2e_xdo search --onlyvisible --name "^$1\$" | head -n1)"
  [ -n "$E2E_X_WINDOW" ]
}
# True while any X window (shown or not) has the exact title.
e2e_x_window_exists() { [ -n "$(e2e_xdo search --name "^$1\$" | head -n1)" ]; }
# Screenshot of the whole screen.
e2e_screenshot() {
  import -silent -window root "$1" 2>/dev/null || e2e_fail "screenshot $1 failed"
}
# Where the cloud is born: the middle 600 x 400 of the renderer's 1024 x 768
# window at (0, 0), whatever its frame. As ImageMagick geometry.
E2E_SHOW_MIDDLE="600x400+212+184"
# Prints "max mean red green blue" of region $2 of picture $1, each 0 to 1.
e2e_region_stats() {
  convert "$1" -crop "$2" +repage -format \
    '%[fx:maxima] %[fx:mean] %[fx:mean.r] %[fx:mean.g] %[fx:mean.b]\n' info: 2>/dev/null
}
# e2e_wait_for_light <seconds> <picture>: screenshots into the picture until
# the middle of the renderer's window lights up; true when it did.
e2e_wait_for_light() {
  e2e_wait_for "$1" e2e_lit "$2"
}
e2e_lit() {
  local brightest
  e2e_screenshot "$1"
  read -r brightest _ <<<"$(e2e_region_stats "$1" "$E2E_SHOW_MIDDLE")"
  e2e_is "${brightest:-0}" '>' 0.5
}

# --- keys -----------------------------------------------------------------

# xdotool presses a key through the X server itself (XTEST) when the window
# has the focus, and sends the event to that window alone otherwise. A key
# pressed through the server stays down there, also after its window has
# gone, and would reach the next program's window: so a release also goes
# through the server, and clean-up lets go of every key pressed. A key that
# may close its window is pressed and released with these two, never with
# "xdotool key", which gives up at the release once the window has gone.
e2e_held_keys=()
e2e_key_down() {  # e2e_key_down <x window> <key>
  e2e_held_keys+=("$2")
  xdotool keydown --window "$1" "$2"
}
e2e_key_up() {  # e2e_key_up <x window> <key>
  xdotool keyup --window "$1" "$2" 2>/dev/null
  xdotool keyup "$2" 2>/dev/null
}

# --- clean-up -------------------------------------------------------------

# Processes of this run that run one of the test's programs (a layer adds
# its own to e2e_program_patterns).
e2e_run_pids() {
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid="${environ#/proc/}"
    pid="${pid%/environ}"
    [ "$pid" = "$$" ] && continue
    if { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qx "KESTRO_E2E_RUN=$KESTRO_E2E_RUN" &&
       { tr '\0' ' ' <"/proc/$pid/cmdline"; } 2>/dev/null |
         grep -q "${e2e_program_patterns[@]/#/-e}"; then
      echo "$pid"
    fi
  done
}
e2e_cleanup() {
  local pid key
  for key in "${e2e_held_keys[@]}"; do
    xdotool keyup "$key" 2>/dev/null
  done
  for pid in "${e2e_started_pids[@]}" $(e2e_run_pids); do
    kill "$pid" 2>/dev/null
  done
  rm -rf "$E2E_WORK"
  return 0
}
trap e2e_cleanup EXIT

# Ends the programs started so far (between the parts of a test).
e2e_stop_started() {
  local pid
  for pid in "${e2e_started_pids[@]}"; do
    kill "$pid" 2>/dev/null
  done
  for pid in "${e2e_started_pids[@]}"; do
    e2e_wait_for 5 e2e_ended "$pid" || kill -9 "$pid" 2>/dev/null
  done
  e2e_started_pids=()
}
