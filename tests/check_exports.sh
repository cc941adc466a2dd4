#!/bin/sh
# The extension exports exactly its C entry points, nothing else of ours.
set -eu
library=$1
exports=$(nm -D --defined-only "$library" | awk '$2 ~ /^[TDBRVW]$/ {print $3}' | grep -v '^_' | sort)
expected=$(printf '%s\n' ReaperPluginEntry get_version | sort)
if [ "$exports" != "$expected" ]; then
  echo "unexpected exports:"; echo "$exports"
  exit 1
fi
echo "exports: $(echo $exports)"
