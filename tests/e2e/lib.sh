# Shared by the end-to-end scripts (sourced, not run). Each script gets the
# host and renderer programs as $1 and $2 and runs on the caller's DISPLAY.
set -u
e2e_here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$e2e_here/../../scripts/wine-env"
kestro_wine_prefix_ready

E2E_HOST_EXE="$1"
E2E_RENDERER_EXE="$2"
E2E_BIN="$(dirname "$E2E_HOST_EXE")"
E2E_PROBE="$E2E_BIN/window_probe.exe"
E2E_DRIVE_C="$WINEPREFIX/drive_c"
e2e_started_pids=()

e2e_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Installs the host (and, unless told "no-renderer", the renderer) into a
# fresh folder C:\<name>; prints the Windows path of the host program.
e2e_install() {
  local name="$1" renderer="${2:-renderer}"
  local folder="$E2E_DRIVE_C/$name"
  rm -rf "$folder"
  mkdir -p "$folder"
  cp "$E2E_HOST_EXE" "$folder/Kestrovalinde.scr"
  [ "$renderer" = renderer ] && cp "$E2E_RENDERER_EXE" "$folder/Kestrovalinde.dll"
  echo "C:\\$name\\Kestrovalinde.scr"
}

# Starts a Windows program in the background; its pid is in E2E_PID.
e2e_start() {
  "$WINE" "$@" >/dev/null 2>&1 &
  E2E_PID=$!
  e2e_started_pids+=("$E2E_PID")
}

# Waits up to $2 seconds for process $1 to end; its exit status is in E2E_STATUS.
e2e_wait_exit() {
  local pid="$1" seconds="$2" waited=0
  while kill -0 "$pid" 2>/dev/null; do
    [ "$waited" -ge $((seconds * 10)) ] && return 1
    sleep 0.1
    waited=$((waited + 1))
  done
  wait "$pid" 2>/dev/null
  E2E_STATUS=$?
  return 0
}

e2e_probe() {
  "$WINE" "$E2E_PROBE" "$@" 2>/dev/null | tr -d '\r'
  return "${PIPESTATUS[0]}"
}

# Hex of a UTF-8 text in code page 932, as window_probe prints window texts.
e2e_cp932_hex() {
  printf '%s' "$1" | iconv -f UTF-8 -t CP932 | od -An -tx1 | tr -d ' \n' | tr a-f A-F
}

e2e_cleanup() {
  local pid
  for pid in "${e2e_started_pids[@]}"; do
    kill "$pid" 2>/dev/null
  done
  return 0
}
trap e2e_cleanup EXIT
