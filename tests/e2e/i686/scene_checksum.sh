#!/usr/bin/env bash
# The show computes alike everywhere: the scene checksum program prints the
# same line natively, in the x86_64 build and in the i686 build.
#   scene_checksum.sh <host> <renderer> <native program> <x86_64 program>
source "$(dirname "$0")/../lib/core.bash"

native="$3"
x86_64="$4"
i686="$E2E_BIN/scene_checksum.exe"
for program in "$native" "$x86_64" "$i686"; do
  if [ ! -f "$program" ]; then
    echo "SKIP: $program is not built"
    exit 77
  fi
done

native_line="$("$native")" || e2e_fail "the native program failed"
x86_64_line="$(KESTRO_E2E_WINE_OPTIONS='' e2e_wine "$x86_64" 2>/dev/null | tr -d '\r')" ||
  e2e_fail "the x86_64 program failed"
i686_line="$(e2e_wine "$i686" 2>/dev/null | tr -d '\r')" || e2e_fail "the i686 program failed"
echo "native: $native_line"
echo "x86_64: $x86_64_line"
echo "i686:   $i686_line"
[ -n "$native_line" ] || e2e_fail "the native program printed nothing"
e2e_equal "the x86_64 build computes as the native one" "$native_line" "$x86_64_line"
e2e_equal "the i686 build computes as the native one" "$native_line" "$i686_line"
echo "PASS"
