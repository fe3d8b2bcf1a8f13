#!/usr/bin/env bash
# The installer for the current user alone, end to end: the programs and the
# uninstaller go into the per-user program folder and register under HKCU;
# a folder with a blank is stored in its short form, from which the host
# runs; uninstalling keeps a screen-saver setting that names another saver
# and clears one that names this saver; nothing is left behind.
# shellcheck source=lib/install.bash
source "$(dirname "${BASH_SOURCE[0]}")/lib/install.bash"
install_init

user_key="HKCU\\$INSTALL_UNINSTALL_KEY"
local_app_data="$("$WINE" cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')"
[ -n "$local_app_data" ] || e2e_fail "no LOCALAPPDATA in the prefix"
OTHER_SAVER='C:\windows\system32\ssother.scr'

e2e_note "silent install for the current user, default folder"
folder="$local_app_data\\Programs\\Kestrovalinde"
e2e_check "the installer succeeds" install_run /CURRENTUSER
install_check_programs "$folder"
install_check_registration HKCU "$folder\\Uninstall.exe" "$folder"
e2e_check "no machine-wide registration" install_key_absent "HKLM\\$INSTALL_UNINSTALL_KEY"
install_equal "SCRNSAVE.EXE names the installed host" "$folder\\Kestrovalinde.scr" \
  "$(install_reg_value "$INSTALL_DESKTOP_KEY" SCRNSAVE.EXE)"
install_equal "ScreenSaveActive" 1 "$(install_reg_value "$INSTALL_DESKTOP_KEY" ScreenSaveActive)"

e2e_note "another saver chosen since: uninstalling keeps it"
"$WINE" reg add "$INSTALL_DESKTOP_KEY" /v SCRNSAVE.EXE /d "$OTHER_SAVER" /f >/dev/null 2>&1
install_uninstall "$user_key"
install_equal "SCRNSAVE.EXE still names the other saver" "$OTHER_SAVER" \
  "$(install_reg_value "$INSTALL_DESKTOP_KEY" SCRNSAVE.EXE)"
install_check_no_traces

e2e_note "silent install for the current user into a folder with a blank"
folder='C:\Kestro Saver Test'
# shellcheck disable=SC2086 # the folder as words: see install_run
e2e_check "the installer succeeds" install_run /CURRENTUSER /D=$folder
install_check_programs "$folder"
install_check_registration HKCU "$folder\\Uninstall.exe" "$folder"
setting="$(install_reg_value "$INSTALL_DESKTOP_KEY" SCRNSAVE.EXE)"
e2e_check "SCRNSAVE.EXE ($setting) holds no blank" test -n "$setting" -a "${setting// /}" = "$setting"
e2e_check "SCRNSAVE.EXE names the installed host" \
  cmp -s "$E2E_HOST_EXE" "$(install_unix_path "$setting")"
install_runs_from "$setting"

e2e_note "silent uninstall"
install_uninstall "$user_key"
install_equal "SCRNSAVE.EXE is cleared" "" "$(install_reg_value "$INSTALL_DESKTOP_KEY" SCRNSAVE.EXE)"
install_check_no_traces
