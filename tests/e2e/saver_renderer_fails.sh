#!/usr/bin/env bash
# A renderer file that is no program cannot be started: the saver ends at
# the renderer watcher's first tick with its WAV music stopped, and nothing
# else is started in the renderer's place.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/saver.bash"
notARenderer="$E2E_WORK/not_a_program.dll"
printf 'this is not a program\r\n' >"$notARenderer"
saver_install "$notARenderer"
head -c 4096 /dev/zero >"$E2E_INSTALL/loop.wav"
saver_settings 2 "$E2E_INSTALL_WIN\\loop.wav"
export KESTRO_FAKE_RENDERER_LOG="$SAVER_RENDERER_LOG_WIN"

saver_start /s
saver_wait_host_gone 20 || e2e_fail "the saver did not end without its renderer"
e2e_note "host lived $(( $(e2e_now_ms) - SAVER_HOST_START_MS )) ms"
saver_expect_kept_sprite
[ "$(saver_sound_stops)" -eq 1 ] || e2e_fail "the WAV sound was not stopped once"
[ ! -f "$SAVER_RENDERER_LOG" ] || e2e_fail "something was started: $(cat "$SAVER_RENDERER_LOG")"
echo "PASS"
