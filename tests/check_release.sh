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

# large_files FILE: a 32-bit library calls only the C library's functions
# with 64-bit file offsets (readdir64, not readdir, which fails on a file
# system with 64-bit inode numbers), its C++ runtime's calls included.
large_files() {
  short=$(nm -D --undefined-only "$1" | awk '{print $2}' | sed 's/@.*//' |
    grep -Ex '(readdir|stat|lstat|fstat|fstatat|open|openat|creat|lseek|truncate|ftruncate|fopen|freopen|fseeko|ftello|mmap|pread|pwrite|statvfs|fstatvfs|getdents|glob|scandir)' || true)
  [ -z "$short" ] || { echo "$1 calls 32-bit file offset functions: $(echo $short)"; exit 1; }
  echo "64-bit file offsets throughout: $1"
}

# macos FILE ARCH: a macOS library of ARCH with its debug information in FILE.dSYM.tar.gz.
macos() {
  "$tests/check_macos_dylib.sh" "$1" "$2" "$sources"
  tar -tzf "$1.dSYM.tar.gz" | grep -q "^$1.dSYM/Contents/Resources/DWARF/" ||
    { echo "no DWARF in $1.dSYM.tar.gz"; exit 1; }
  echo "$(wc -c <"$1") bytes; debug file $(wc -c <"$1.dSYM.tar.gz") bytes: $1.dSYM.tar.gz"
}

# machine FILE PATTERN: the file's CPU, as readelf or objdump names it, matches PATTERN.
machine() {
  case $1 in
    *.so) cpu=$(readelf -h "$1" | sed -n 's/^ *Machine: *//p') ;;
    *.dll) cpu=$(x86_64-w64-mingw32-objdump -f "$1" | sed -n 's/.*file format //p') ;;
  esac
  echo "$cpu" | grep -Eqx "$2" || { echo "$1 is for $cpu, not $2"; exit 1; }
}

echo "$libraries" | while read -r platform file; do
  case $platform in
    linux64) machine "$file" 'Advanced Micro Devices X86-64' ;;
    linux32) machine "$file" 'Intel 80386' ;;
    linux-aarch64) machine "$file" AArch64 ;;
    linux-armv7l) machine "$file" ARM ;;
    win64) machine "$file" pei-x86-64 ;;
    win32) machine "$file" pei-i386 ;;
  esac
  case $platform in
    linux64 | linux32 | linux-aarch64 | linux-armv7l)
      stripped llvm-objdump-14 llvm-objcopy-14 "$file"
      "$tests/check_old_linux.sh" "$file"
      [ "$platform" = linux64 ] || [ "$platform" = linux-aarch64 ] || large_files "$file"
      "$tests/check_exports.sh" "$file" "$sources" ;;
    win64 | win32)
      stripped x86_64-w64-mingw32-objdump x86_64-w64-mingw32-objcopy "$file"
      "$tests/check_windows_dll.sh" "$file" "$sources" ;;
    darwin64) macos "$file" x86_64 ;;
    darwin-arm64) macos "$file" arm64 ;;
    *) echo "no check for the platform $platform"; exit 1 ;;
  esac
done
echo "release libraries complete: $(echo "$libraries" | awk '{print $2}' | tr '\n' ' ')"
