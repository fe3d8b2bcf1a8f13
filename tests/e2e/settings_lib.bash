# Helpers of the settings-dialog and preview end-to-end tests (sourced).
# Every wait is bounded; only processes started here are stopped.

e2e_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$e2e_root/scripts/wine-env"
kestro_wine_prefix_ready

e2e_failures=0
e2e_checks=0
e2e_started_pids=()

e2e_fail() { echo "FAIL: $*"; e2e_failures=$((e2e_failures + 1)); }
e2e_check() {  # e2e_check <description> <command...>
  local what="$1"; shift
  e2e_checks=$((e2e_checks + 1))
  if "$@"; then echo "ok: $what"; else e2e_fail "$what"; fi
}
e2e_equal() {  # e2e_equal <description> <expected> <actual>
  e2e_checks=$((e2e_checks + 1))
  if [ "$2" = "$3" ]; then echo "ok: $1"; else e2e_fail "$1: expected '$2', got '$3'"; fi
}

# Starts a Windows program in the background; its pid is in e2e_last_pid.
e2e_start() {
  "$WINE" "$@" >/dev/null 2>&1 &
  e2e_last_pid=$!
  e2e_started_pids+=("$e2e_last_pid")
}

# e2e_wait_gone <pid> <seconds>: true when the process ended in time.
e2e_wait_gone() {
  local pid="$1" tenths=$(( $2 * 10 ))
  for _ in $(seq "$tenths"); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}

# e2e_wait_for <seconds> <command...>: true once the command succeeds.
e2e_wait_for() {
  local tenths=$(( $1 * 10 )); shift
  for _ in $(seq "$tenths"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

e2e_stop_started() {
  local pid
  for pid in "${e2e_started_pids[@]}"; do
    kill "$pid" 2>/dev/null
  done
  for pid in "${e2e_started_pids[@]}"; do
    e2e_wait_gone "$pid" 5 || kill -9 "$pid" 2>/dev/null
  done
}

e2e_finish() {
  e2e_stop_started
  echo "$e2e_checks checks, $e2e_failures failed"
  [ "$e2e_failures" -eq 0 ]
}

# A Unix path as the Windows programs see it (drive Z: is the root).
e2e_windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# The colour of one screen pixel as "r,g,b" (0-255).
e2e_screen_pixel() {  # e2e_screen_pixel <x> <y>
  import -silent -window root -crop "1x1+$1+$2" +repage -depth 8 txt:- 2>/dev/null |
    sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# Saves a screen rectangle as a picture file.
e2e_screen_grab() {  # e2e_screen_grab <x> <y> <width> <height> <file>
  import -silent -window root -crop "$3x$4+$1+$2" +repage "$5" 2>/dev/null
}

# Number of pixels of two same-sized pictures that differ by more than the
# fuzz (percent of full scale).
e2e_pixels_differing() {  # e2e_pixels_differing <a> <b> <fuzz%>
  compare -metric AE -fuzz "$3%" "$1" "$2" null: 2>&1 | sed 's/[^0-9].*//'
}
