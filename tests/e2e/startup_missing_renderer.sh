#!/usr/bin/env bash
# Without the renderer beside it the host shows its one message box, with the
# work folder already made, and ends when the box is closed. The saver and
# the settings mode behave alike.
source "$(dirname "$0")/lib.sh"

caption="Kestrovalinde (ScreenSaver)"
expected_text="$(e2e_cp932_hex 'Kestrovalinde.dll が同じﾌｫﾙﾀﾞに見つかりません！')"

for switch in /s /c; do
  host="$(e2e_install kestro-missing no-renderer)"
  rm -rf "$E2E_DRIVE_C/v_nalo"
  e2e_start "$host" "$switch"
  e2e_probe find "$caption" 20000 >/dev/null || e2e_fail "$switch: no message box"
  [ -d "$E2E_DRIVE_C/v_nalo" ] || e2e_fail "$switch: C:\\v_nalo not made before the message"
  e2e_probe texts "$caption" | grep -qx "$expected_text" ||
    e2e_fail "$switch: message text differs: $(e2e_probe texts "$caption" | tr '\n' ' ')"
  e2e_probe find "<Kestrovalinde>" 0 >/dev/null && e2e_fail "$switch: a dialog appeared"
  kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "$switch: host ended before the box was closed"
  e2e_probe close "$caption" || e2e_fail "$switch: could not close the box"
  e2e_wait_exit "$E2E_PID" 10 || e2e_fail "$switch: host still running after the box closed"
done
echo "missing renderer: message and end, for /s and /c"
