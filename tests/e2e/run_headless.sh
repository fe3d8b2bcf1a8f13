#!/usr/bin/env bash
# make run on a machine without a display: scripts/run-saver runs the saver
# on its own virtual screen for a bounded time, ends it and leaves pictures
# of the show, at least one of them lit, and an animated GIF under 2 MB.
source "$(dirname "$0")/lib/core.bash"

run="$E2E_WORK/run"
status=0
env -u DISPLAY RUN_SECONDS=6 KESTRO_RUN_FOLDER="$run" "$e2e_root/scripts/run-saver" || status=$?
e2e_equal "run-saver exit status" 0 "$status"
shots=("$run"/shot-*.png)
e2e_is "${#shots[@]}" '>=' 2 || e2e_fail "only ${#shots[@]} pictures: ${shots[*]}"
lit=0
for shot in "${shots[@]}"; do
  read -r brightest _ <<<"$(e2e_region_stats "$shot" "$E2E_SHOW_MIDDLE")"
  e2e_is "${brightest:-0}" '>' 0.5 && lit=$((lit + 1))
done
e2e_is "$lit" '>' 0 || e2e_fail "no picture is lit"
e2e_note "$lit of ${#shots[@]} pictures lit"
e2e_check "the animated GIF is there" test -s "$run/show.gif"
e2e_is "$(stat -c %s "$run/show.gif")" '<=' $((2 * 1024 * 1024)) || e2e_fail "the GIF is over 2 MB"
echo "PASS"
