#!/usr/bin/env bash
# Prints the CPU time the saver host uses while it runs: 30 s of a running
# saver (renderer window open, audio-CD watcher switched off, renderer
# watcher ticking), measured from /proc on the host's Wine process (all its
# threads), plus the Wine server's share over the same time.
#
#   scripts/with-display bash tools/saver_cpu_bench/saver_cpu_bench.bash \
#     build/win64/bin/Kestrovalinde.scr build/win64/bin/Kestrovalinde.dll [real]
#
# With "real" the renderer given is used and its CPU time is shown too;
# otherwise the fake renderer (an idle window) stands in for it. It runs the
# saver through the end-to-end tests' library, as they do.
e2e_lib="$(dirname "$0")/../../tests/e2e/lib"
source "$e2e_lib/core.bash"
source "$e2e_lib/saver.bash"
source "$(dirname "${BASH_SOURCE[0]}")/../process_cpu.bash"
MEASURE_SECONDS=${KESTRO_MEASURE_SECONDS:-30}

renderer="$SAVER_FAKE_RENDERER"
if [ "${3:-}" = real ]; then
  renderer="$E2E_RENDERER_EXE"
  # Mesa counts the renderer's frames without drawing over them.
  export GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_DUMP_DIR="$E2E_WORK"
fi
saver_install "$renderer"
saver_settings 1
export KESTRO_FAKE_RENDERER_DELAY_MS=0 KESTRO_FAKE_RENDERER_LIFETIME_MS=$(( (MEASURE_SECONDS + 60) * 1000 ))

saver_start /s
saver_wait_window
window=$(saver_renderer_window 60) || exit 1
sleep 3  # start-up done, CD watcher off
renderer_pid=$(e2e_run_pids | while read -r pid; do
  tr '\0' ' ' <"/proc/$pid/cmdline" | grep -qF "$RENDERER_FILE_NAME" && echo "$pid"; done | head -n1)
server_pid=$(wineserver_pid)
echo "host pid $SAVER_HOST_PID, renderer pid ${renderer_pid:-none}, wine server pid ${server_pid:-none}"

host_before=$(cpu_ns "$SAVER_HOST_PID")
renderer_before=$([ -n "$renderer_pid" ] && cpu_ns "$renderer_pid" || echo 0)
server_before=$([ -n "$server_pid" ] && cpu_ns "$server_pid" || echo 0)
sleep "$MEASURE_SECONDS"
saver_host_running || e2e_fail "the saver ended during the measurement"
host_used=$(( $(cpu_ns "$SAVER_HOST_PID") - host_before ))
renderer_used=$(( $([ -n "$renderer_pid" ] && cpu_ns "$renderer_pid" || echo 0) - renderer_before ))
server_used=$(( $([ -n "$server_pid" ] && cpu_ns "$server_pid" || echo 0) - server_before ))

printf 'saver host CPU over %d s: %d.%03d ms\n' "$MEASURE_SECONDS" $(( host_used / 1000000 )) $(( host_used / 1000 % 1000 ))
printf 'wine server CPU over the same time (host and renderer calls): %d ms\n' $(( server_used / 1000000 ))
printf 'renderer (%s) CPU over the same time: %d ms\n' "$( [ "${3:-}" = real ] && echo real || echo fake)" $(( renderer_used / 1000000 ))
if [ -s "$E2E_WORK/fps" ]; then
  echo "renderer frame rate (Mesa's count, last samples): $(tail -n 5 "$E2E_WORK/fps" | awk '{ printf "%s ", $NF }')"
fi
# The real renderer looks at Escape at the start of a frame: hold it.
e2e_key_down "$window" Escape
saver_end_renderer_and_time_host "$window" nokey >/dev/null
e2e_key_up "$window" Escape
