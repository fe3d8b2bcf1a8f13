# The installer's layer of the end-to-end library. Sourced in place of
# core.bash: it first gives the run a Wine prefix of its own, so that what
# the installer leaves behind can be listed against a prefix that never saw
# the saver, then loads core.bash.
#
# Both the installer and the prefix can be swapped in:
#   KESTRO_INSTALLER         a ready installer (default: built here with
#                            installer/make-installer from the two programs)
#   KESTRO_INSTALL_PREFIX    the prefix (default: build/wineprefix-install-win64)
# The installer's target follows the programs: i686 programs give the 32-bit
# installer (programs in syswow64 of a 64-bit prefix, registry seen through
# its 32-bit view), x86_64 programs the 64-bit one (programs in system32).

install_repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
E2E_PREFIX="${KESTRO_INSTALL_PREFIX:-$install_repo/build/wineprefix-install-win64}"
source "$install_repo/tests/e2e/lib/core.bash"

INSTALL_UNINSTALL_KEY='Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrovalinde'
INSTALL_DESKTOP_KEY='HKCU\Control Panel\Desktop'
# The i386 machine type in a PE file header.
INSTALL_PE_MACHINE_I386=014c
# Bounds of the waits, in seconds.
INSTALL_WAIT_WINDOW_S=60
INSTALL_WAIT_EXIT_S=30

# Windows paths and registry data compare without regard to case.
install_equal() {  # install_equal <description> <expected> <actual>
  [ "${2,,}" = "${3,,}" ] || e2e_fail "$1: expected [$2], got [$3]"
  echo "ok: $1"
}

# The machine field of a PE file: the offset of its header is at 0x3c.
install_pe_machine() {
  local header
  header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' '
}

# install_init: the target, the installer and a prefix without the saver.
install_init() {
  [ -f "$E2E_PROBE" ] || e2e_fail "window_probe.exe is not built beside the host"
  INSTALL_VERSION="$(tr -d '\r\n' <"$E2E_BIN/../generated/version.txt")" ||
    e2e_fail "no generated/version.txt beside the build's bin folder"
  if [ "$(install_pe_machine "$E2E_HOST_EXE")" = "$INSTALL_PE_MACHINE_I386" ]; then
    INSTALL_TARGET=x86-unicode
    INSTALL_SYSTEM_FOLDER='C:\windows\syswow64'
    INSTALL_REG_VIEW=/reg:32
    INSTALL_PROGRAM_FILES='C:\Program Files (x86)'
  else
    # Wine's own tools (reg, winepath, cmd) run as 64-bit programs too
    # (scripts/wine-env), and see system32 under its own name, as the system
    # does when it starts the saver.
    INSTALL_TARGET=amd64-unicode
    INSTALL_SYSTEM_FOLDER='C:\windows\system32'
    INSTALL_REG_VIEW=/reg:64
    INSTALL_PROGRAM_FILES='C:\Program Files'
  fi
  install_check_version_record "$E2E_HOST_EXE"
  install_check_version_record "$E2E_RENDERER_EXE"
  INSTALLER="${KESTRO_INSTALLER:-$E2E_WORK/Kestrovalinde-$INSTALL_VERSION-setup.exe}"
  [ -n "${KESTRO_INSTALLER:-}" ] || install_make_installer "$INSTALL_VERSION" "$INSTALLER"
  install_fresh_prefix
}

install_make_installer() {  # install_make_installer <version> <output>
  "$install_repo/installer/make-installer" "$INSTALL_TARGET" "$1" \
    "$E2E_HOST_EXE" "$E2E_RENDERER_EXE" "$2" || e2e_fail "makensis failed"
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
  if [ -n "$(install_traces)" ]; then
    e2e_note "the prefix holds traces of an earlier run: making it again"
    wineserver -k 2>/dev/null
    rm -rf "$WINEPREFIX"
    kestro_wine_prefix_ready || e2e_fail "could not make the prefix $WINEPREFIX"
  fi
  [ -z "$(install_traces)" ] || e2e_fail "a fresh prefix already holds: $(install_traces)"
}

# Everything of the saver in the prefix: files and folders by name, and every
# registry line that names it, in every hive and both registry views (the
# hive files are complete once the prefix's programs have all ended). Wine's
# settings for the renderer are the test bed's (scripts/wine-env), not the
# installer's.
install_traces() {
  find "$E2E_DRIVE_C" \( -iname '*kestrovalinde*' -o -iname 'v_nalo' \) -print 2>/dev/null |
    sed "s|^$E2E_DRIVE_C/|file: C:/|"
  wineserver -w
  # As the hive files write a key: backslashes doubled, in brackets.
  INSTALL_BED_KEY="[$(sed 's/\\/\\\\/g' <<<"${KESTRO_RENDERER_X11_KEY#HKCU\\}")]" awk '
    /^\[/ { key = $0; in_bed = index($0, ENVIRON["INSTALL_BED_KEY"]) == 1 }
    !in_bed && tolower($0) ~ /kestrovalinde/ { print "registry: " key " " $0 }' \
    "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg"
}

install_unix_path() { "$WINE" winepath -u "$1" 2>/dev/null | tr -d '\r'; }

# install_reg_value <key> <name>: the value's data, or nothing when absent.
install_reg_value() {
  "$WINE" reg query "$1" /v "$2" "$INSTALL_REG_VIEW" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$2 \{2,\}REG_[A-Z_]* \{2,\}//p"
}
install_key_absent() { ! "$WINE" reg query "$1" "$INSTALL_REG_VIEW" >/dev/null 2>&1; }

# install_run_file <installer> <arguments...>: runs an installer silently;
# its exit code. Wine quotes an argument that holds a blank, and the
# installer reads /D= only unquoted: pass such a folder as separate words.
install_run_file() {
  local installer="$1"; shift
  "$WINE" "$(e2e_windows_path "$installer")" /S "$@" >/dev/null 2>&1
}
# install_run <arguments...>: the installer under test.
install_run() { install_run_file "$INSTALLER" "$@"; }

# install_uninstall <uninstall key>: runs the registered quiet uninstall
# command. The uninstaller hands over to a copy of itself and returns at
# once; the run is over when its own file is gone.
install_uninstall() {
  local command program uninstaller
  command="$(install_reg_value "$1" QuietUninstallString)"
  [ -n "$command" ] || e2e_fail "no QuietUninstallString under $1"
  program="$(echo "$command" | sed 's/^"\([^"]*\)".*/\1/')"
  uninstaller="$(install_unix_path "$program")"
  [ -f "$uninstaller" ] || e2e_fail "the registered uninstaller $uninstaller does not exist"
  "$WINE" "$program" /S >/dev/null 2>&1
  e2e_wait_for "$INSTALL_WAIT_EXIT_S" test ! -e "$uninstaller" || e2e_fail "the uninstaller did not finish"
  # Its copy may still be ending: let every program of the prefix end.
  wineserver -w
}

install_window_appears() {  # install_window_appears <title>
  e2e_probe wait "$1" $((INSTALL_WAIT_WINDOW_S * 1000)) >/dev/null
}

# install_runs_from <host path>: the host at that Windows path opens its
# settings dialog (/c) and shows the saver (/s) with the renderer beside it,
# and ends each time its window is closed.
install_runs_from() {
  local host="$1"
  e2e_start "$host" /c
  e2e_check "/c from $host opens the settings dialog" install_window_appears "$SETTINGS_WINDOW_TITLE"
  e2e_probe close "$SETTINGS_WINDOW_TITLE"
  e2e_check "the host ends when its dialog is closed" e2e_wait_exit "$E2E_PID" "$INSTALL_WAIT_EXIT_S"

  e2e_start "$host" /s
  e2e_check "/s from $host starts the renderer beside it" install_window_appears "$RENDERER_WINDOW_TITLE"
  e2e_probe close "$RENDERER_WINDOW_TITLE"
  e2e_check "the host ends after its renderer" e2e_wait_exit "$E2E_PID" "$INSTALL_WAIT_EXIT_S"
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
  expected_kb=$((($(stat -c %s "$E2E_HOST_EXE") + $(stat -c %s "$E2E_RENDERER_EXE")) / 1024))
  e2e_check "EstimatedSize ($size_kb KB) is the two programs' size ($expected_kb KB)" \
    test "$size_kb" -ge "$expected_kb" -a "$size_kb" -le $((expected_kb + 2))
  e2e_check "the registered uninstaller exists" test -f "$(install_unix_path "$2")"
}

# install_check_programs <programs folder, Windows path>: both programs, as built.
install_check_programs() {
  local folder
  folder="$(install_unix_path "$1")"
  e2e_check "the host is in $1" cmp -s "$E2E_HOST_EXE" "$folder/Kestrovalinde.scr"
  e2e_check "the renderer is in $1" cmp -s "$E2E_RENDERER_EXE" "$folder/$RENDERER_FILE_NAME"
}

install_check_no_traces() {
  local traces
  traces="$(install_traces)"
  [ -z "$traces" ] || e2e_fail "left behind:"$'\n'"$traces"
  echo "ok: no file and no registry value of the saver is left"
}
