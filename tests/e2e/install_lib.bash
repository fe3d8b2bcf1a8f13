# Helpers of the installer's end-to-end tests (sourced by install_*.sh).
#
# The tests run in a Wine prefix of their own, so that what the installer
# leaves behind can be listed against a prefix that never saw the saver.
# Both the installer and the prefix can be swapped in:
#   KESTRO_INSTALLER         a ready installer (default: built here with
#                            installer/make-installer from the two programs)
#   KESTRO_INSTALL_PREFIX    the prefix (default: build/wineprefix-install-<preset>)
# The installer's target follows the programs: i686 programs give the 32-bit
# installer (programs in syswow64 of a 64-bit prefix, registry seen through
# its 32-bit view), x86_64 programs the 64-bit one (programs in system32).

install_repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$install_repo/scripts/wine-env"
export WINEPREFIX="${KESTRO_INSTALL_PREFIX:-$install_repo/build/wineprefix-install-$KESTRO_WIN_PRESET}"

INSTALL_UNINSTALL_KEY='Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrovalinde'
INSTALL_DESKTOP_KEY='HKCU\Control Panel\Desktop'
INSTALL_DIALOG_TITLE='<Kestrovalinde>'
INSTALL_RENDERER_TITLE='Kestrovalinde_VC'
# The i386 machine type in a PE file header.
INSTALL_PE_MACHINE_I386=014c
# Bounds of the waits, in seconds.
INSTALL_WAIT_WINDOW_S=60
INSTALL_WAIT_EXIT_S=30

install_fail() {
  echo "FAIL: $*" >&2
  exit 1
}
install_note() { echo "-- $*"; }
install_check() {  # install_check <description> <command...>
  local description="$1"
  shift
  "$@" || install_fail "$description"
  echo "ok: $description"
}
install_equal() {  # install_equal <description> <expected> <actual>, case-insensitive
  [ "${2,,}" = "${3,,}" ] || install_fail "$1: expected [$2], got [$3]"
  echo "ok: $1"
}

# The machine field of a PE file: the offset of its header is at 0x3c.
install_pe_machine() {
  local header
  header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' '
}

# install_init <host> <renderer>: the programs, the installer and the prefix.
install_init() {
  INSTALL_HOST_EXE="$1"
  INSTALL_RENDERER_EXE="$2"
  INSTALL_BIN="$(dirname "$INSTALL_HOST_EXE")"
  INSTALL_PROBE="$INSTALL_BIN/window_probe.exe"
  INSTALL_WORK="$(mktemp -d "${TMPDIR:-/tmp}/kestro_install_e2e.XXXXXX")"
  INSTALL_PIDS=()
  trap install_cleanup EXIT
  [ -n "${DISPLAY:-}" ] || install_fail "no DISPLAY (run under scripts/with-display)"
  [ -f "$INSTALL_PROBE" ] || install_fail "window_probe.exe is not built"

  INSTALL_VERSION="$(tr -d '\r\n' <"$INSTALL_BIN/../generated/version.txt")"
  if [ "$(install_pe_machine "$INSTALL_HOST_EXE")" = "$INSTALL_PE_MACHINE_I386" ]; then
    INSTALL_TARGET=x86-unicode
    INSTALL_SYSTEM_FOLDER='C:\windows\syswow64'
    INSTALL_REG_VIEW=/reg:32
    INSTALL_PROGRAM_FILES='C:\Program Files (x86)'
  else
    INSTALL_TARGET=amd64-unicode
    INSTALL_SYSTEM_FOLDER='C:\windows\system32'
    INSTALL_REG_VIEW=/reg:64
    INSTALL_PROGRAM_FILES='C:\Program Files'
    # Wine's own tools (reg, winepath, cmd) then run as 64-bit programs too,
    # and see system32 under its own name, as the system does when it starts
    # the saver.
    [ -x /usr/lib/wine/wine64 ] && export WINELOADER=/usr/lib/wine/wine64
  fi
  install_check_version_record "$INSTALL_HOST_EXE"
  install_check_version_record "$INSTALL_RENDERER_EXE"
  INSTALLER="${KESTRO_INSTALLER:-$INSTALL_WORK/Kestrovalinde-$INSTALL_VERSION-setup.exe}"
  if [ -z "${KESTRO_INSTALLER:-}" ]; then
    "$install_repo/installer/make-installer" "$INSTALL_TARGET" "$INSTALL_VERSION" \
      "$INSTALL_HOST_EXE" "$INSTALL_RENDERER_EXE" "$INSTALLER" || install_fail "makensis failed"
  fi
  install_fresh_prefix
}

# install_check_version_record <program>: its version record names the
# version CMake wrote for the build (the record's texts are UTF-16).
install_check_version_record() {
  local name value
  for name in FileVersion ProductVersion; do
    value="$(strings -el "$1" | grep -A1 -x "$name" | sed -n 2p)"
    install_equal "$(basename "$1") has $name $INSTALL_VERSION" "$INSTALL_VERSION" "$value"
  done
}

# A prefix that holds no trace of the saver; one that does (an earlier run
# that stopped half way) is made again.
install_fresh_prefix() {
  kestro_wine_prefix_ready
  if [ -n "$(install_traces)" ]; then
    install_note "the prefix holds traces of an earlier run: making it again"
    wineserver -k 2>/dev/null
    rm -rf "$WINEPREFIX"
    kestro_wine_prefix_ready
  fi
  [ -z "$(install_traces)" ] || install_fail "a fresh prefix already holds: $(install_traces)"
}

# Everything of the saver in the prefix: files and folders by name, and every
# registry line that names it, in every hive and both registry views (the
# hive files are complete once the prefix's programs have all ended).
install_traces() {
  find "$WINEPREFIX/drive_c" \( -iname '*kestrovalinde*' -o -iname 'v_nalo' \) -print 2>/dev/null |
    sed "s|^$WINEPREFIX/drive_c/|file: C:/|"
  wineserver -w
  awk '/^\[/ { key = $0 } tolower($0) ~ /kestrovalinde/ { print "registry: " key " " $0 }' \
    "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg"
}

install_windows_path() { echo "Z:$1" | tr / '\\'; }
install_unix_path() { "$WINE" winepath -u "$1" 2>/dev/null | tr -d '\r'; }

# install_reg_value <key> <name>: the value's data, or nothing when absent.
install_reg_value() {
  "$WINE" reg query "$1" /v "$2" "$INSTALL_REG_VIEW" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$2 \{2,\}REG_[A-Z_]* \{2,\}//p"
}
install_key_absent() { ! "$WINE" reg query "$1" "$INSTALL_REG_VIEW" >/dev/null 2>&1; }

# install_run <arguments...>: runs the installer silently; its exit code.
# Wine quotes an argument that holds a blank, and the installer reads /D=
# only unquoted: pass such a folder as separate words.
install_run() {
  "$WINE" "$(install_windows_path "$INSTALLER")" /S "$@" >/dev/null 2>&1
}

# install_uninstall <uninstall key>: runs the registered quiet uninstall
# command. The uninstaller hands over to a copy of itself and returns at
# once; the run is over when its own file is gone.
install_uninstall() {
  local command uninstaller waited=0
  command="$(install_reg_value "$1" QuietUninstallString)"
  [ -n "$command" ] || install_fail "no QuietUninstallString under $1"
  uninstaller="$(install_unix_path "$(echo "$command" | sed 's/^"\([^"]*\)".*/\1/')")"
  [ -f "$uninstaller" ] || install_fail "the registered uninstaller $uninstaller does not exist"
  "$WINE" "$(echo "$command" | sed 's/^"\([^"]*\)".*/\1/')" /S >/dev/null 2>&1
  while [ -e "$uninstaller" ]; do
    [ "$waited" -ge $((INSTALL_WAIT_EXIT_S * 10)) ] && install_fail "the uninstaller did not finish"
    sleep 0.1
    waited=$((waited + 1))
  done
  # Its copy may still be ending: let every program of the prefix end.
  wineserver -w
}

install_start() {  # install_start <program> <arguments...>: pid in INSTALL_PID
  "$WINE" "$@" >/dev/null 2>&1 &
  INSTALL_PID=$!
  INSTALL_PIDS+=("$INSTALL_PID")
}
install_wait_exit() {  # install_wait_exit <pid>: 0 once it ended within the bound
  local waited=0
  while kill -0 "$1" 2>/dev/null; do
    [ "$waited" -ge $((INSTALL_WAIT_EXIT_S * 10)) ] && return 1
    sleep 0.1
    waited=$((waited + 1))
  done
  wait "$1" 2>/dev/null
  return 0
}
install_probe() { "$WINE" "$INSTALL_PROBE" "$@" >/dev/null 2>&1; }

# install_runs_from <host path>: the host at that Windows path opens its
# settings dialog (/c) and shows the saver (/s) with the renderer beside it,
# and ends each time its window is closed.
install_runs_from() {
  local host="$1"
  install_start "$host" /c
  install_check "/c from $host opens the settings dialog" \
    install_probe find "$INSTALL_DIALOG_TITLE" $((INSTALL_WAIT_WINDOW_S * 1000))
  install_probe close "$INSTALL_DIALOG_TITLE"
  install_check "the host ends when its dialog is closed" install_wait_exit "$INSTALL_PID"

  install_start "$host" /s
  install_check "/s from $host starts the renderer beside it" \
    install_probe find "$INSTALL_RENDERER_TITLE" $((INSTALL_WAIT_WINDOW_S * 1000))
  install_probe close "$INSTALL_RENDERER_TITLE"
  install_check "the host ends after its renderer" install_wait_exit "$INSTALL_PID"
}

# install_check_registration <root> <uninstaller Windows path> <programs folder>
install_check_registration() {
  local key="$1\\$INSTALL_UNINSTALL_KEY" size_kb expected_kb
  install_equal "DisplayName" "Kestrovalinde screen saver" "$(install_reg_value "$key" DisplayName)"
  install_equal "DisplayVersion" "$INSTALL_VERSION" "$(install_reg_value "$key" DisplayVersion)"
  install_equal "Publisher" "The Kestrovalinde developers" "$(install_reg_value "$key" Publisher)"
  install_equal "UninstallString" "\"$2\"" "$(install_reg_value "$key" UninstallString)"
  install_equal "InstallLocation" "$3" "$(install_reg_value "$key" InstallLocation)"
  size_kb=$(($(install_reg_value "$key" EstimatedSize)))
  expected_kb=$((($(stat -c %s "$INSTALL_HOST_EXE") + $(stat -c %s "$INSTALL_RENDERER_EXE")) / 1024))
  install_check "EstimatedSize ($size_kb KB) is the two programs' size ($expected_kb KB)" \
    test "$size_kb" -ge "$expected_kb" -a "$size_kb" -le $((expected_kb + 2))
  install_check "the registered uninstaller exists" test -f "$(install_unix_path "$2")"
}

# install_check_programs <programs folder, Windows path>: both programs, as built.
install_check_programs() {
  local folder
  folder="$(install_unix_path "$1")"
  install_check "the host is in $1" cmp -s "$INSTALL_HOST_EXE" "$folder/Kestrovalinde.scr"
  install_check "the renderer is in $1" cmp -s "$INSTALL_RENDERER_EXE" "$folder/Kestrovalinde.dll"
}

install_check_no_traces() {
  local traces
  traces="$(install_traces)"
  [ -z "$traces" ] || install_fail "left behind:"$'\n'"$traces"
  echo "ok: no file and no registry value of the saver is left"
}

install_cleanup() {
  local pid
  for pid in "${INSTALL_PIDS[@]}"; do
    kill "$pid" 2>/dev/null
  done
  rm -rf "$INSTALL_WORK"
  return 0
}
