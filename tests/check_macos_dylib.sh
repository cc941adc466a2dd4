#!/bin/sh
# A macOS extension as REAPER loads it: a dylib (MH_DYLIB, not a bundle) of
# the CPU named (x86_64 or arm64), for macOS 11.0 and later, with no load
# command beyond those a plain library needs, linked against the system's
# library only (the C++ runtime and PCRE2 are inside), every name resolved at
# link time in two-level namespaces, exporting exactly the names the Linux
# library exports; on arm64 ad-hoc signed with page hashes that match.
set -eu
library=$1 arch=$2 sources=$3
tests=$(cd "$(dirname "$0")" && pwd)
fail() { echo "$library: $*"; exit 1; }
case $arch in
  x86_64) cpu=X86_64 ;;
  arm64) cpu=ARM64 ;;
  *) fail "unknown architecture $arch" ;;
esac
header=$(llvm-objdump-14 --macho --private-header "$library" | tail -1)
set -- $header
[ "$1 $2 $5" = "MH_MAGIC_64 $cpu DYLIB" ] || fail "not a 64-bit $cpu dylib: $header"
for flag in NOUNDEFS TWOLEVEL; do
  echo " $header " | grep -q " $flag " || fail "no $flag flag: $header"
done

loads=$(llvm-otool-14 -l "$library")
commands=$(echo "$loads" | awk '$1 == "cmd" {print $2}' | sort -u)
allowed='^LC_(SEGMENT_64|DYLD_INFO_ONLY|DYLD_CHAINED_FIXUPS|DYLD_EXPORTS_TRIE|SYMTAB|DYSYMTAB|ID_DYLIB|UUID|BUILD_VERSION|SOURCE_VERSION|LOAD_DYLIB|FUNCTION_STARTS|DATA_IN_CODE|CODE_SIGNATURE)$'
foreign=$(echo "$commands" | grep -Ev "$allowed" || true)
[ -z "$foreign" ] || fail "load commands a plain library does not need:" $foreign
for command in LC_ID_DYLIB LC_UUID LC_BUILD_VERSION; do
  echo "$commands" | grep -qx $command || fail "no $command"
done
echo "load commands: $(echo $commands)"

libraries=$(echo "$loads" | awk '$2 == "LC_LOAD_DYLIB" {load = 1} load && $1 == "name" {print $2; load = 0}')
[ "$libraries" = /usr/lib/libSystem.B.dylib ] || fail "links libraries beyond the system's:" $libraries
echo "libraries: $libraries"

build=$(echo "$loads" | awk '$2 == "LC_BUILD_VERSION" {build = 1} build && ($1 == "platform" || $1 == "minos") {print $2}')
[ "$(echo $build)" = "macos 11.0" ] || fail "not for macOS 11.0 and later: $(echo $build)"
echo "minimum: macOS 11.0"

llvm-objdump-14 --macho --exports-trie "$library" | awk '$1 ~ /^0x/ {print $2}' | sed 's/^_//' |
  "$tests/compare_exports.sh" "$sources"
if [ "$arch" = arm64 ]; then
  python3 "$tests/check_macho_signature.py" "$library"
fi
