#!/usr/bin/env bash
# A program holds no code of another window system: none of its symbols
# matches the patterns (extended regular expressions, as nm -C names them).
# usage: system_symbols.sh NM PROGRAM PATTERN...
set -euo pipefail
[ $# -ge 3 ] || { echo "usage: $0 NM PROGRAM PATTERN..." >&2; exit 2; }
nm_tool=$1 program=$2
shift 2
symbols=$("$nm_tool" -C "$program" 2>&1) || { echo "FAIL: $nm_tool could not read $program: $symbols"; exit 1; }
# A stripped program would pass whatever it held.
[ -n "$symbols" ] || { echo "FAIL: $program has no symbols to look at"; exit 1; }
status=0
for pattern in "$@"; do
  if found=$(grep -E -- "$pattern" <<<"$symbols" | head -5) && [ -n "$found" ]; then
    echo "FAIL: $(basename "$program") holds symbols of /$pattern/:"
    echo "$found"
    status=1
  fi
done
[ $status -ne 0 ] || echo "ok: $(basename "$program") holds none of: $*"
exit $status
