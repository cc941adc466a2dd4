#!/bin/sh
# The release folder holds every library the ReaPack index links, for every
# platform: stripped, each with its debug information beside it, exporting
# exactly our entry points; the Linux ones load on glibc 2.17 and need no C++
# runtime of the system. (check_index.py checks the index and the hashes.)
set -eu
release=$1 index=$(realpath "$2") sources=$(realpath "$3")
tests=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$release"
libraries=$(python3 - "$index" <<'PY'
import sys, xml.etree.ElementTree as ET
for source in ET.parse(sys.argv[1]).getroot().iter("source"):
    if source.get("file").rsplit(".", 1)[-1] in ("so", "dll", "dylib"):
        print(source.get("platform"), source.text.rsplit("/", 1)[1])
PY
)

# stripped OBJDUMP OBJCOPY FILE: no debug sections left, a link to FILE.debug that has them.
stripped() {
  objdump=$1 objcopy=$2 file=$3
  sections=$("$objdump" -h "$file")
  if echo "$sections" | grep -q '\.debug_info'; then echo "not stripped: $file"; exit 1; fi
  echo "$sections" | grep -q '\.gnu_debuglink' || { echo "no debug link: $file"; exit 1; }
  # objcopy writes a copy: the released file stays as it is.
  "$objcopy" --dump-section .gnu_debuglink="$scratch/link" "$file" "$scratch/copy"
  tr -d '\0' <"$scratch/link" | grep -aq "^$file.debug" || { echo "the debug link does not name $file.debug"; exit 1; }
  "$objdump" -h "$file.debug" | grep -q '\.debug_info' || { echo "no debug information in $file.debug"; exit 1; }
  echo "stripped, $(wc -c <"$file") bytes; debug file $(wc -c <"$file.debug") bytes: $file"
}

# macos FILE ARCH: a macOS library of ARCH with its debug information in FILE.dSYM.tar.gz.
macos() {
  "$tests/check_macos_dylib.sh" "$1" "$2" "$sources"
  tar -tzf "$1.dSYM.tar.gz" | grep -q "^$1.dSYM/Contents/Resources/DWARF/" ||
    { echo "no DWARF in $1.dSYM.tar.gz"; exit 1; }
  echo "$(wc -c <"$1") bytes; debug file $(wc -c <"$1.dSYM.tar.gz") bytes: $1.dSYM.tar.gz"
}

echo "$libraries" | while read -r platform file; do
  case $platform in
    linux64 | linux-aarch64)
      stripped llvm-objdump-14 llvm-objcopy-14 "$file"
      "$tests/check_old_linux.sh" "$file"
      "$tests/check_exports.sh" "$file" "$sources" ;;
    win64)
      stripped x86_64-w64-mingw32-objdump x86_64-w64-mingw32-objcopy "$file"
      "$tests/check_windows_dll.sh" "$file" "$sources" ;;
    darwin64) macos "$file" x86_64 ;;
    darwin-arm64) macos "$file" arm64 ;;
    *) echo "no check for the platform $platform"; exit 1 ;;
  esac
done
echo "release libraries complete: $(echo "$libraries" | awk '{print $2}' | tr '\n' ' ')"
