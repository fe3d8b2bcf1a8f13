#!/usr/bin/env bash
# scripts/check-release against faulty copies of good release files: each
# fault must fail the check with its own message.
#   tests/release/check_release.sh <dist folder> <win32 build> <native-release build>
# The dist folder is one make-dist and make-deb filled, and so checked as good
# (make test-dist).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
dist="$(realpath "$1")" win32_build="$(realpath "$2")" native_build="$(realpath "$3")"
check="$root/scripts/check-release"
version="$(tr -d '\r\n' <"$win32_build/generated/version.txt")"
zip="$dist/Kestrovalinde-$version.zip"
setup="$dist/Kestrovalinde-$version-setup.exe"
deb="$(echo "$dist"/kestrovalinde_"$version"_*.deb)"
work="$root/build/check-release-faults"
rm -rf "$work"
mkdir -p "$work"
failures=0

# expect_failure <case> <message> <check-release arguments...>
expect_failure() {
  local name="$1" message="$2"
  shift 2
  if "$check" "$@" >"$work/$name.out" 2>&1; then
    echo "FAIL $name: passed the check"; failures=$((failures + 1))
  elif ! grep -qF -- "$message" "$work/$name.out"; then
    echo "FAIL $name: not [$message] but:"; sed 's/^/  /' "$work/$name.out"; failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

# expect_faults <kind> <variant maker> <build> <case|change|message>...:
# each case's file made by the maker with its change, then refused with
# its message.
expect_faults() {
  local kind="$1" make_variant="$2" build="$3" fault name change message variant
  shift 3
  for fault in "$@"; do
    IFS='|' read -r name change message <<<"$fault"
    variant="$("$make_variant" "$name" "$change")"
    expect_failure "$name" "$message" "$kind" "$variant" "$build"
  done
}
# The zip: a copy unpacked, changed and packed again under the same name.
zip_variant() {  # <case> <change...>: prints the new zip's path
  local folder="$work/$1"
  shift
  mkdir -p "$folder/files"
  unzip -q "$zip" -d "$folder/files"
  (cd "$folder/files" && "$@")
  (cd "$folder/files" && zip -q -X "$folder/$(basename "$zip")" ./*)
  echo "$folder/$(basename "$zip")"
}
add_file() { echo extra >notes.txt; }
unix_line_ends() { sed -i 's/\r$//' README.txt; }
other_program() { printf 'x' >>Kestrovalinde.dll; }

# case | the change | what the check says
ZIP_FAULTS=(
  "zip_extra_file|add_file|the zip holds"
  "zip_lf_readme|unix_line_ends|README.txt in the zip is not its source"
  "zip_other_program|other_program|Kestrovalinde.dll in the zip is not the build's"
)
expect_faults zip zip_variant "$win32_build" "${ZIP_FAULTS[@]}"
# A build that says another version than the programs' records.
other_build="$work/other_version_build"
mkdir -p "$other_build/generated"
ln -s "$win32_build/bin" "$other_build/bin"
echo 9.9.9 >"$other_build/generated/version.txt"
mkdir -p "$work/zip_other_version"
cp "$zip" "$work/zip_other_version/Kestrovalinde-9.9.9.zip"
expect_failure zip_other_version "carries version [$version], not 9.9.9" \
  zip "$work/zip_other_version/Kestrovalinde-9.9.9.zip" "$other_build"

# The installer with an x86_64 machine field in its PE header.
cp "$setup" "$work/setup_x86_64.exe"
pe_header=$(od -An -tu4 -j60 -N4 "$setup" | tr -d ' ')
printf '\x64\x86' | dd of="$work/setup_x86_64.exe" bs=1 seek=$((pe_header + 4)) conv=notrunc status=none
expect_failure installer_x86_64 "is not a 32-bit x86 program" installer "$work/setup_x86_64.exe" "$win32_build"

# The package: a copy unpacked, changed and built again under the same name.
deb_variant() {  # <case> <change...>: prints the new package's path
  local folder="$work/$1"
  shift
  mkdir -p "$folder"
  dpkg-deb -R "$deb" "$folder/root"
  (cd "$folder/root" && "$@")
  dpkg-deb --root-owner-group -Zxz --build "$folder/root" "$folder/$(basename "$deb")" >/dev/null
  echo "$folder/$(basename "$deb")"
}
executable_settings() { chmod 0755 usr/share/xscreensaver/config/kestrovalinde.xml; }
no_changelog() { rm usr/share/doc/kestrovalinde/changelog.gz; }
no_x11_dependency() { sed -i 's/^Depends:.*/Depends: libc6 (>= 2.34)/' DEBIAN/control; }
malformed_maintainer() { sed -i 's/^Maintainer:.*/Maintainer: nobody/' DEBIAN/control; }

# case | the change | what the check says
DEB_FAULTS=(
  "deb_executable_settings|executable_settings|modes or owners differ"
  "deb_no_changelog|no_changelog|the package holds"
  "deb_no_x11_dependency|no_x11_dependency|no libx11 among the computed dependencies"
  "deb_malformed_maintainer|malformed_maintainer|lintian reports errors"
)
expect_faults deb deb_variant "$native_build" "${DEB_FAULTS[@]}"

[ "$failures" -eq 0 ] || { echo "check_release: $failures case(s) failed; see $work" >&2; exit 1; }
rm -rf "$work"
echo "check_release: every fault caught"
