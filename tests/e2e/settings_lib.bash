# Helpers of the settings-dialog and preview end-to-end tests (sourced).
# Every wait is bounded; only processes started here are stopped.

e2e_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$e2e_root/scripts/wine-env"
kestro_wine_prefix_ready

# xdotool reads window titles in the locale's encoding: the Japanese titles
# need a UTF-8 locale (the ja_JP one Wine is given need not be installed).
xdo() { LC_ALL=C.UTF-8 xdotool "$@" 2>/dev/null; }

# The X window of a Wine window by its exact title (compared as UTF-8; the
# titles' Latin-1 WM_NAME cannot hold Japanese, so search --name misses them).
window_named() {  # window_named <title>
  local w
  for w in $(xdo search --name '.'); do
    if [ "$(xdo getwindowname "$w")" = "$1" ]; then echo "$w"; return 0; fi
  done
  return 1
}

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

# --- the settings dialog -------------------------------------------------

SETTINGS_TITLE='<Kestrovalinde>'
# Key names as the settings file holds them (code page 932).
KEY_KIND=$'BGM\x8b\xe6\x95\xaa'
KEY_TRACK=$'BGM\xd8\xcb\xdf\xb0\xc4'
KEY_FILE=$'BGM\xcc\xa7\xb2\xd9'

# A host folder of its own: the host, a stand-in renderer (start-up only
# checks that the file exists) and whatever settings file the test writes.
settings_prepare_folder() {  # settings_prepare_folder <folder> <host exe>
  rm -rf "$1"
  mkdir -p "$1"
  cp "$2" "$1/Kestrovalinde.scr"
  printf 'stand-in renderer\n' >"$1/Kestrovalinde.dll"
}

settings_probe() {  # settings_probe <bin folder>: fills probe_* variables
  local line
  probe_client_x='' probe_client_y='' probe_client_w='' probe_client_h=''
  probe_combo_enabled='' probe_combo_text=''
  while IFS= read -r line; do
    line="${line%$'\r'}"
    case "$line" in
      window\ *) read -r _ probe_left probe_top probe_right probe_bottom <<<"$line" ;;
      client\ *) read -r _ probe_client_x probe_client_y probe_client_w probe_client_h <<<"$line" ;;
      screen\ *) read -r _ probe_screen_w probe_screen_h <<<"$line" ;;
      combo\ *) probe_combo_enabled="${line:6:1}"; probe_combo_text="${line:8}" ;;
    esac
  done < <("$WINE" "$1/settings_probe.exe" "$SETTINGS_TITLE" 2>/dev/null)
  [ -n "$probe_client_x" ]
}

settings_dialog_shown() { xdo search --name "^$SETTINGS_TITLE\$" >/dev/null 2>&1; }

# Screen position of a point given in twips inside the dialog's client area
# (15 twips per pixel), optionally inside the panel Pic_C(0).
PANEL_LEFT_TWIPS=180
PANEL_TOP_TWIPS=240
client_point() {  # client_point <x twips> <y twips> [dx dy pixels] -> "x y"
  echo "$(( probe_client_x + $1 / 15 + ${3:-0} )) $(( probe_client_y + $2 / 15 + ${4:-0} ))"
}
panel_point() {
  client_point $(( PANEL_LEFT_TWIPS + $1 )) $(( PANEL_TOP_TWIPS + $2 )) "${3:-0}" "${4:-0}"
}

# Moves the pointer there (a move the controls see) and clicks.
click_at() {  # click_at <x> <y>
  xdo mousemove "$1" "$2"
  sleep 0.15
  xdo mousemove_relative 1 0
  sleep 0.15
  xdo click 1
  sleep 0.4
}

pixel_at() { e2e_screen_pixel "$1" "$2"; }

# True when each channel of "r,g,b" is within the tolerance of the expected.
colour_near() {  # colour_near <r,g,b actual> <r,g,b expected> <tolerance>
  local IFS=,
  local -a a=($1) e=($2)
  [ "${#a[@]}" -eq 3 ] || return 1
  local i d
  for i in 0 1 2; do
    d=$(( a[i] - e[i] ))
    [ "${d#-}" -le "$3" ] || return 1
  done
}
e2e_colour() {  # e2e_colour <description> <x> <y> <r,g,b expected> [tolerance]
  local actual
  actual="$(pixel_at "$2" "$3")"
  e2e_checks=$((e2e_checks + 1))
  if colour_near "$actual" "$4" "${5:-0}"; then
    echo "ok: $1 ($actual)"
  else
    e2e_fail "$1: expected $4, got $actual at $2,$3"
  fi
}

# Starts the dialog for a host folder and waits for it; host pid in dialog_pid.
settings_open() {  # settings_open <folder> <bin folder>
  e2e_start "$1/Kestrovalinde.scr" /c
  dialog_pid="$e2e_last_pid"
  e2e_wait_for 30 settings_dialog_shown && sleep 1.5 && settings_probe "$2"
}
