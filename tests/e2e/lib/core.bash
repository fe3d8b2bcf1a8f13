# The end-to-end tests' one library (sourced). A test script gets the host
# and renderer programs as $1 and $2, runs on the caller's DISPLAY and stops
# at its first failed check with "FAIL: ..." and exit status 1; on any exit
# the Windows programs it started, and their children, are ended.
#
# The names both programs agree on (window titles, the work folder...) are
# read from common/shared_names.h into shell variables of the same names
# (scripts/shared-names).
#
# A layer that needs a Wine prefix of its own sets E2E_PREFIX before it
# sources this file; every program of the run then uses that prefix.
set -u
e2e_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
source "$e2e_root/scripts/wine-env"
export WINEPREFIX="${E2E_PREFIX:-$WINEPREFIX}"
kestro_wine_prefix_ready || { echo "FAIL: no Wine prefix" >&2; exit 1; }
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no DISPLAY (run under scripts/with-display)" >&2; exit 1; }

source "$e2e_root/scripts/shared-names"
[ -n "${RENDERER_WINDOW_TITLE:-}" ] || { echo "FAIL: no names in common/shared_names.h" >&2; exit 1; }

E2E_HOST_EXE="$1"
E2E_RENDERER_EXE="$2"
E2E_BIN="$(dirname "$E2E_HOST_EXE")"
E2E_PROBE="$E2E_BIN/window_probe.exe"
E2E_DRIVE_C="$WINEPREFIX/drive_c"
# The Unix path of a path on drive C: of the prefix.
e2e_drive_c_path() {
  local path="${1#C:\\}"
  echo "$E2E_DRIVE_C/${path//\\//}"
}
E2E_WORK_FOLDER="$(e2e_drive_c_path "$WORK_FOLDER")"
E2E_SPRITE="$(e2e_drive_c_path "$SPRITE_FILE_PATH")"
E2E_WORK="$(mktemp -d "${TMPDIR:-/tmp}/kestro_e2e.XXXXXX")"
# Every process this run starts carries the token, so that clean-up ends
# exactly this run's programs (the host's renderer too), no one else's.
export KESTRO_E2E_RUN="e2e-$$-$RANDOM"
e2e_started_pids=()

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

# Runs a Windows program in the foreground.
e2e_wine() {
  # shellcheck disable=SC2086  # the options are words
  "$WINE" ${KESTRO_E2E_WINE_OPTIONS:-} "$@"
}
# Starts a Windows program in the background; its pid (that of the Wine
# loader, which wine-run becomes) is in E2E_PID.
e2e_start() {
  # shellcheck disable=SC2086
  "$WINE" ${KESTRO_E2E_WINE_OPTIONS:-} "$@" >/dev/null 2>&1 &
  E2E_PID=$!
  e2e_started_pids+=("$E2E_PID")
}

# e2e_wait_for <seconds> <command...>: true once the command succeeds.
e2e_wait_for() {
  local deadline=$(( $(e2e_now_ms) + $1 * 1000 )); shift
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

# e2e_probe <verb> <title> ...: tests/support/window_probe inside Wine; true
# when it answers yes. A probe that gives no answer (its start in Wine failed,
# or it crashed) is run again, a few times at most.
readonly E2E_PROBE_YES=0 E2E_PROBE_NO=10 E2E_PROBE_ATTEMPTS=3
e2e_probe() {
  local attempt status
  for attempt in $(seq "$E2E_PROBE_ATTEMPTS"); do
    e2e_wine "$E2E_PROBE" "$@" 2>"$E2E_WORK/probe.err" | tr -d '\r'
    status="${PIPESTATUS[0]}"
    case "$status" in
      "$E2E_PROBE_YES") return 0 ;;
      "$E2E_PROBE_NO") return 1 ;;
    esac
    e2e_note "window_probe $1 gave no answer (status $status, attempt $attempt):" \
      "$(tail -c 300 "$E2E_WORK/probe.err" | tr '\r\n' '  ')" >&2
  done
  return 1
}
# Hex of a UTF-8 text in code page 932, as the probe prints window texts.
e2e_cp932_hex() {
  printf '%s' "$1" | iconv -f UTF-8 -t CP932 | od -An -tx1 | tr -d ' \n' | tr a-f A-F
}
e2e_windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# e2e_install <folder name> [renderer program | none]: the host, and a
# renderer unless "none", in a fresh folder C:\<name>. Sets E2E_INSTALL
# (Unix path), E2E_INSTALL_WIN and E2E_HOST_WIN (the host's Windows path).
e2e_install() {
  E2E_INSTALL="$E2E_DRIVE_C/$1"
  E2E_INSTALL_WIN="C:\\$1"
  E2E_HOST_WIN="$E2E_INSTALL_WIN\\Kestrovalinde.scr"
  rm -rf "$E2E_INSTALL"
  mkdir -p "$E2E_INSTALL"
  cp "$E2E_HOST_EXE" "$E2E_INSTALL/Kestrovalinde.scr"
  local renderer="${2:-$E2E_RENDERER_EXE}"
  [ "$renderer" = none ] || cp "$renderer" "$E2E_INSTALL/$RENDERER_FILE_NAME"
}

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

# Processes of this run that run one of the test's Windows programs.
e2e_run_pids() {
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid="${environ#/proc/}"
    pid="${pid%/environ}"
    [ "$pid" = "$$" ] && continue
    if { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qx "KESTRO_E2E_RUN=$KESTRO_E2E_RUN" &&
       { tr '\0' ' ' <"/proc/$pid/cmdline"; } 2>/dev/null |
         grep -q -e Kestro -e window_probe -e saver_fake -e preview_parent -e scene_checksum; then
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
