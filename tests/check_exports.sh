#!/bin/sh
# The extension exports exactly its C entry points, nothing else of ours.
set -eu
library=$1
sources=$2
nm -D --defined-only "$library" | awk '$2 ~ /^[TDBRVW]$/ {print $3}' | grep -v '^_' |
  "$(dirname "$0")/compare_exports.sh" "$sources"
