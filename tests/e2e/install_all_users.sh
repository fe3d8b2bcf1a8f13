#!/usr/bin/env bash
# The installer for all users, end to end: a silent install puts both
# programs into the system folder and makes the saver current; the installed
# host runs /c and /s from there; an upgrade from an older version keeps the
# settings file; a silent uninstall leaves no file and no registry value.
# shellcheck source=lib/install.bash
source "$(dirname "${BASH_SOURCE[0]}")/lib/install.bash"
install_init

folder="$INSTALL_SYSTEM_FOLDER"
uninstaller="$INSTALL_PROGRAM_FILES\\Kestrovalinde\\Uninstall.exe"
machine_key="HKLM\\$INSTALL_UNINSTALL_KEY"

# An older version first, unless the installer is given from outside.
if [ -z "${KESTRO_INSTALLER:-}" ]; then
  e2e_note "install an older version"
  install_make_installer 0.9.0 "$E2E_WORK/older-setup.exe"
  install_run_file "$E2E_WORK/older-setup.exe" || e2e_fail "the older installer failed"
  install_equal "the older version is registered" 0.9.0 "$(install_reg_value "$machine_key" DisplayVersion)"
fi
settings="$(install_unix_path "$folder")/$SETTINGS_FILE_NAME"
printf '[Section]\r\nkept=by the upgrade\r\n' >"$settings"
cp "$settings" "$E2E_WORK/settings-before"

e2e_note "silent install for all users"
e2e_check "the installer succeeds" install_run
install_check_programs "$folder"
e2e_check "the settings file is kept byte for byte" cmp -s "$E2E_WORK/settings-before" "$settings"
install_equal "SCRNSAVE.EXE names the installed host" "$folder\\Kestrovalinde.scr" \
  "$(install_reg_value "$INSTALL_DESKTOP_KEY" SCRNSAVE.EXE)"
install_equal "ScreenSaveActive" 1 "$(install_reg_value "$INSTALL_DESKTOP_KEY" ScreenSaveActive)"
install_check_registration HKLM "$uninstaller" "$folder"
e2e_check "no per-user registration" install_key_absent "HKCU\\$INSTALL_UNINSTALL_KEY"

e2e_note "the installed host runs"
install_runs_from "$folder\\Kestrovalinde.scr"
e2e_check "the host wrote its sprite" test -f "$E2E_SPRITE"

e2e_note "silent uninstall"
install_uninstall "$machine_key"
install_equal "SCRNSAVE.EXE is cleared" "" "$(install_reg_value "$INSTALL_DESKTOP_KEY" SCRNSAVE.EXE)"
install_check_no_traces
