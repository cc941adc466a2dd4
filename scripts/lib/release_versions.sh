#!/usr/bin/env bash
# Prints what made a release's bytes: Zig, the Debian packages that compile,
# link, strip and pack the files, and the Debian source packages of the
# third-party code built into them (found under the given build folders).
# A release on another machine gives the same bytes when this is the same.
set -euo pipefail
source "$(dirname "$0")/zig.sh"
echo "zig $zig_version ($zig_package, npm)"
tools=(binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 clang-14 cmake debugedit g++-mingw-w64-i686-posix
       g++-mingw-w64-x86-64-posix gzip libllvm14 lld-14 llvm-14 make mingw-w64-common mingw-w64-i686-dev
       mingw-w64-x86-64-dev pkg-config tar)
for package in "${tools[@]}"; do
  echo "debian $package $(dpkg-query -W -f='${Version}' "$package" 2>/dev/null || echo none)"
done
# PCRE2 and Lua's headers are built into the libraries, Lua, libsndfile and
# libebur128 into the kvhost archives too (the suites' libraries are not).
folders=()
for folder in "$@"; do [ -d "$folder" ] && folders+=("$folder"); done
((${#folders[@]})) || exit 0
find "${folders[@]}" -maxdepth 5 -path '*third-party*/source/*' \( -name 'pcre2_*.dsc' -o -name 'lua5.[34]_*.dsc' \
  -o -name 'libsndfile_*.dsc' -o -name 'libebur128_*.dsc' \) |
  while read -r dsc; do
    echo "source $(basename "$dsc" .dsc) $(sha256sum "$dsc" | cut -d' ' -f1)"
  done | sort -u
