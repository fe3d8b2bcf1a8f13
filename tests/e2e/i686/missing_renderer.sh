#!/usr/bin/env bash
# The i686 host without its renderer shows its message and ends when the box
# is closed.
source "$(dirname "$0")/../lib/core.bash"

e2e_install kestro-missing none
e2e_start "$E2E_HOST_WIN" /s
e2e_probe wait "$HOST_TITLE" 60000 >/dev/null || e2e_fail "no message box"
expected_text="$(e2e_cp932_hex "$RENDERER_FILE_NAME が同じﾌｫﾙﾀﾞに見つかりません！")"
texts="$(e2e_probe texts "$HOST_TITLE")"
grep -q " $expected_text\$" <<<"$texts" || e2e_fail "message text differs: $texts"
e2e_probe close "$HOST_TITLE" || e2e_fail "could not close the box"
e2e_wait_exit "$E2E_PID" 30 || e2e_fail "host still running after the box closed"
echo "PASS"
