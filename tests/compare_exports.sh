#!/bin/sh
# Compares the exported names on standard input, one a line, with the C entry
# points the extension declares.
set -eu
sources=$1
exports=$(sort)
expected=$("$(dirname "$0")/../cmake/exported_names.sh" "$sources" | sort)
if [ "$exports" != "$expected" ]; then
  echo "exported but not declared:"; echo "$exports" | grep -vxF "$expected" || true
  echo "declared but not exported:"; echo "$expected" | grep -vxF "$exports" || true
  exit 1
fi
echo "exports: $(echo "$exports" | wc -l) functions"
