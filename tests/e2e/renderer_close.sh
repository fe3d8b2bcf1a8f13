#!/usr/bin/env bash
# WM_CLOSE, from another program, ends the renderer.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/renderer.bash"

renderer_start
renderer_wait_window >/dev/null
sleep 0.5 # let a few frames run
renderer_post "$WM_CLOSE"
renderer_expect_end WM_CLOSE
echo "PASS: WM_CLOSE ended the renderer"
