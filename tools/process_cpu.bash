# Sourced by the benchmarks: what a process, or the Wine server serving it,
# has used of the processor.

# CPU nanoseconds of all threads of a process (scheduler statistics).
cpu_ns() {
  local total=0 ns _ stat
  for stat in /proc/"$1"/task/*/schedstat; do
    read -r ns _ <"$stat" 2>/dev/null && total=$(( total + ns ))
  done
  echo "$total"
}

# The Wine server of this prefix: it works in a folder named after the
# prefix's device and inode numbers.
wineserver_pid() {
  local server_dir pid
  server_dir="$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")"
  for pid in $(pgrep -x 'wineserver(64)?'); do
    [ "$(basename "$(readlink "/proc/$pid/cwd" 2>/dev/null)")" = "$server_dir" ] && { echo "$pid"; return; }
  done
}
