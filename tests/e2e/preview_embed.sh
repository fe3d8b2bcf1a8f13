#!/usr/bin/env bash
# /p <handle>: the host embeds its borderless preview window in the given
# window of another process, at (0, 0) with the window's size, and ends when
# that window goes away. Run for a preview area of the usual 152 x 112
# pixels and for a larger one.
#
# Wine gives a child window whose top-level window belongs to another process
# no drawing surface (its device context has no X drawable), so the pixels
# cannot be read back here; tests/host/screens checks them with the same
# window embedded inside one process.
source "$(dirname "$0")/lib/core.bash"

host="$E2E_HOST_EXE"
work="$E2E_WORK"
touch "$work/host.dll"  # nothing else of the host's folder is read in preview mode

report_value() { sed -n "s/^$1 //p" "$2" | tr -d "\r" | head -1; }

run_area() {  # run_area <width> <height>
  local width="$1" height="$2" report="$work/report-$1x$2"
  echo "--- preview area $width x $height"
  e2e_start "$E2E_BIN/preview_parent.exe" "$width" "$height" "$(e2e_windows_path "$report")"
  local parent_pid="$E2E_PID"
  e2e_wait_for 20 grep -q '^origin ' "$report" 2>/dev/null || e2e_fail "the stand-in preview area did not start"
  local parent
  parent="$(report_value parent "$report")"

  e2e_start "$host" /p "$parent"
  local host_pid="$E2E_PID"
  e2e_check "the host's preview window becomes a child of the area" \
    e2e_wait_for 20 grep -q '^child ' "$report"
  local child_handle child_left child_top child_width child_height child_visible child_style
  read -r child_handle child_left child_top child_width child_height child_visible child_style \
    <<<"$(report_value child "$report")"
  e2e_equal "child placed at (0, 0)" "0 0" "${child_left:-} ${child_top:-}"
  e2e_equal "child has the area's size" "$width $height" "${child_width:-} ${child_height:-}"
  e2e_equal "child is shown" "1" "${child_visible:-}"
  e2e_equal "child has no border or title bar" "0" \
    "$(( 0x${child_style:-0} & 0x00C40000 ))"

  touch "$report.quit"
  e2e_check "the stand-in area closes" e2e_wait_exit "$parent_pid" 10
  e2e_check "the host ends when its preview area is gone" e2e_wait_exit "$host_pid" 10
}

run_area 152 112
run_area 240 180
echo "PASS"
