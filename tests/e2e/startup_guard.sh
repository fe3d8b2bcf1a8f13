#!/usr/bin/env bash
# A host started while a saver or settings window of the host exists ends at
# once, in every mode, before it makes the work folder. An unknown switch ends
# silently after making it.
source "$(dirname "$0")/lib/core.bash"

e2e_install kestro-guard
for title in "$SAVER_WINDOW_TITLE" "$SETTINGS_WINDOW_TITLE"; do
  e2e_start "$E2E_PROBE" hold "$title" 60000
  holder=$E2E_PID
  e2e_probe wait "$title" 20000 >/dev/null || e2e_fail "holder window '$title' did not appear"
  for switch in /s /c "/p 1234" ""; do
    rm -rf "$E2E_WORK_FOLDER"
    e2e_start "$E2E_HOST_WIN" $switch
    e2e_wait_exit "$E2E_PID" 20 || e2e_fail "'$switch' kept running beside '$title'"
    [ -d "$E2E_WORK_FOLDER" ] && e2e_fail "'$switch' made the work folder beside '$title'"
  done
  kill "$holder" 2>/dev/null
  e2e_probe gone "$title" 20000 || e2e_fail "holder window '$title' stayed"
done

rm -rf "$E2E_WORK_FOLDER"
e2e_start "$E2E_HOST_WIN" /x
e2e_wait_exit "$E2E_PID" 20 || e2e_fail "/x kept running"
[ -d "$E2E_WORK_FOLDER" ] || e2e_fail "/x did not make the work folder"
echo "guard: every mode ends beside a running saver or dialog; unknown switch ends after the folder"

# A preview with no usable preview area has nowhere to live: it ends at once.
for switch in "/p" "/p 0" "/p 999999"; do
  e2e_start "$E2E_HOST_WIN" $switch
  e2e_wait_exit "$E2E_PID" 20 || e2e_fail "'$switch' kept running without a preview area"
done
echo "PASS: preview without an area ends"
