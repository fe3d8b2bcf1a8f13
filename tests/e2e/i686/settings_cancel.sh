#!/usr/bin/env bash
# The i686 host's settings dialog appears, and its Cancel button closes it
# and ends the host with the settings file untouched.
source "$(dirname "$0")/../lib/core.bash"
source "$(dirname "$0")/../lib/settings.bash"

folder="$E2E_WORK/saver"
settings_prepare_folder "$folder"
e2e_write_settings "$folder" 1 3 ""
cp "$folder/$SETTINGS_FILE_NAME" "$E2E_WORK/before"
settings_open "$folder"
e2e_equal "client area is 496 x 243" "496 243" "$probe_client_w $probe_client_h"
click_twips_client $CANCEL_BUTTON
e2e_check "Cancel closes the dialog and ends the host" e2e_wait_exit "$dialog_pid" 30
e2e_check "the settings file is untouched" cmp -s "$E2E_WORK/before" "$folder/$SETTINGS_FILE_NAME"
echo "PASS"
