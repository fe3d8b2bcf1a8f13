#!/usr/bin/env bash
# WM_CLOSE, from another program, ends the renderer.
RENDERER="$2"
source "$(dirname "${BASH_SOURCE[0]}")/renderer_lib.bash"

readonly WM_CLOSE=16
start_renderer
probe wait "$RENDERER_TITLE" 30000 >/dev/null || fail "no window titled $RENDERER_TITLE"
sleep 0.5 # let a few frames run
probe post "$RENDERER_TITLE" "$WM_CLOSE" || fail "could not post WM_CLOSE"
probe gone "$RENDERER_TITLE" 15000 >/dev/null || fail "window still open after WM_CLOSE"
expect_renderer_exit 15
echo "PASS: WM_CLOSE ended the renderer"
