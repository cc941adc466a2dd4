#!/bin/sh
# A Linux program or library FILE needs only glibc's libraries, at no version
# newer than 2.17; says which it needs.
set -eu
needed=$(readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
for name in $needed; do
  case $name in
    libc.so.6 | libm.so.6 | libdl.so.2 | libpthread.so.0 | ld-linux.so.2 | ld-linux-*.so.*) ;;
    *) echo "needs $name beyond glibc: $1"; exit 1 ;;
  esac
done
versions=$(readelf -V -W "$1" | sed -n 's/.*Name: \([A-Z_]*[0-9.]*\) .*/\1/p' | sort -u)
if echo "$versions" | grep -v '^GLIBC_'; then echo "^ symbol versions beyond glibc: $1"; exit 1; fi
newest=$(echo "$versions" | sed 's/^GLIBC_//' | sort -V | tail -1)
if [ "$(printf '%s\n' "$newest" 2.17 | sort -V | tail -1)" != 2.17 ]; then
  echo "needs GLIBC_$newest, newer than 2.17: $1"; exit 1
fi
echo "needs $(echo $needed), glibc $newest at most: $1"
