# The end-to-end library's layer for the Windows programs under Wine
# (sourced; display.bash holds what every run shares). A test script gets
# the host and renderer programs as $1 and $2, runs on the caller's DISPLAY
# and stops at its first failed check with "FAIL: ..." and exit status 1; on
# any exit the Windows programs it started, and their children, are ended.
#
# The names both programs agree on (window titles, the work folder...) are
# read from common/shared_names.h into shell variables of the same names
# (scripts/shared-names).
#
# A layer that needs a Wine prefix of its own sets E2E_PREFIX before it
# sources this file; every program of the run then uses that prefix.
source "$(dirname "${BASH_SOURCE[0]}")/display.bash"
source "$e2e_root/scripts/wine-env"
export WINEPREFIX="${E2E_PREFIX:-$WINEPREFIX}"
kestro_wine_prefix_ready || { echo "FAIL: no Wine prefix" >&2; exit 1; }

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

# Runs a Windows program in the foreground.
e2e_wine() {
  # shellcheck disable=SC2086  # the options are words
  "$WINE" ${KESTRO_E2E_WINE_OPTIONS:-} "$@"
}
# Starts a Windows program in the background; its pid (that of the Wine
# loader, which wine-run becomes) is in E2E_PID, the file that takes what it
# and Wine print (Wine's own complaints go to either stream) in E2E_PID_OUTPUT.
e2e_start_count=0
e2e_start() {
  e2e_start_count=$(( e2e_start_count + 1 ))
  E2E_PID_OUTPUT="$E2E_WORK/started-$e2e_start_count.out"
  # shellcheck disable=SC2086
  "$WINE" ${KESTRO_E2E_WINE_OPTIONS:-} "$@" >"$E2E_PID_OUTPUT" 2>&1 &
  E2E_PID=$!
  e2e_started_pids+=("$E2E_PID")
}

# Why a window waited for is not there: whether its program still runs, or
# how it ended, the titles of the windows the screen shows, and the last of
# what the program and Wine printed.
e2e_window_report() {  # e2e_window_report <pid> <its output file>
  local state w titles=''
  if e2e_ended "$1"; then
    wait "$1" 2>/dev/null
    state="the program ended with status $?"
  else
    state="the program still runs"
  fi
  for w in $(e2e_xdo search --onlyvisible --name '.'); do
    titles+=" '$(e2e_xdo getwindowname "$w")'"
  done
  echo "$state; windows shown:${titles:- none}; its output: $(tail -c 600 "$2" 2>/dev/null | iconv -f CP932 -t UTF-8 -c | tr '\r\n' '  ')"
}

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
# A host ends at once when a saver or settings window, shown or hidden,
# already exists in its prefix. The windows it would give way to:
e2e_host_guard_report() {
  local title found=''
  for title in "$SAVER_WINDOW_TITLE" "$SETTINGS_WINDOW_TITLE"; do
    e2e_probe wait "$title" 0 >/dev/null && found+=" '$title'"
  done
  echo "windows the host's start-up gives way to:${found:- none}"
}
# Before a host is started: waits until no such window is left (one an
# earlier run left may take a moment to go), and stops the test naming the
# one that stays. The probe's start also has the prefix's Wine up before
# the host starts.
readonly E2E_HOST_GUARD_CLEAR_MS=15000
e2e_host_guard_clear() {
  local title
  for title in "$SAVER_WINDOW_TITLE" "$SETTINGS_WINDOW_TITLE"; do
    e2e_probe gone "$title" "$E2E_HOST_GUARD_CLEAR_MS" ||
      e2e_fail "a window of an earlier run stays open: $(e2e_host_guard_report)"
  done
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

# e2e_write_settings <folder> <kind> <track> <file>: the settings file in
# the Unix folder as the dialog writes it (numbers after one blank).
e2e_write_settings() {
  printf '[%s]\r\n%s= %s\r\n%s= %s\r\n%s=%s\r\n' "$SETTINGS_SECTION" \
    "$SETTINGS_KEY_KIND" "$2" "$SETTINGS_KEY_REPEAT_TRACK" "$3" "$SETTINGS_KEY_FILE" "$4" \
    >"$1/$SETTINGS_FILE_NAME"
}
