#!/bin/sh
# scripts/demo in a build folder leaves the options scripts/test chose there
# (benchmarks, sanitizers, warnings as errors) as they were.
set -eu
root=$1
build=$2
options() { grep -E '^KV_(BENCH|SANITIZE|WERROR):' "$build/CMakeCache.txt"; }
before=$(options)
BUILD_DIR=$build "$root/scripts/demo" >/dev/null
after=$(options)
if [ "$before" != "$after" ]; then
  echo "scripts/demo changed the build options:"; echo "$before"; echo "->"; echo "$after"
  exit 1
fi
echo "options kept: $(echo $after)"
