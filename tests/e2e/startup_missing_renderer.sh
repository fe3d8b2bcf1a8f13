#!/usr/bin/env bash
# Without the renderer beside it the host shows its one message box, with the
# work folder already made, and ends when the box is closed. The saver and
# the settings mode behave alike.
source "$(dirname "$0")/lib/core.bash"

expected_text="$(e2e_cp932_hex "$RENDERER_FILE_NAME が同じﾌｫﾙﾀﾞに見つかりません！")"

for switch in /s /c; do
  e2e_install kestro-missing none
  rm -rf "$E2E_WORK_FOLDER"
  e2e_start "$E2E_HOST_WIN" "$switch"
  e2e_probe wait "$HOST_TITLE" 20000 >/dev/null || e2e_fail "$switch: no message box"
  [ -d "$E2E_WORK_FOLDER" ] || e2e_fail "$switch: $WORK_FOLDER not made before the message"
  texts="$(e2e_probe texts "$HOST_TITLE")"
  grep -q " $expected_text\$" <<<"$texts" || e2e_fail "$switch: message text differs: $texts"
  e2e_probe wait "$SETTINGS_WINDOW_TITLE" 0 >/dev/null && e2e_fail "$switch: a dialog appeared"
  kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "$switch: host ended before the box was closed"
  e2e_probe close "$HOST_TITLE" || e2e_fail "$switch: could not close the box"
  e2e_wait_exit "$E2E_PID" 10 || e2e_fail "$switch: host still running after the box closed"
done
echo "PASS: missing renderer: message and end, for /s and /c"
