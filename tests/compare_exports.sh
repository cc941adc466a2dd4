#!/bin/sh
# Compares the exported names on standard input, one a line, with the C entry
# points the extension declares: the host entry, its version, the last
# exception stopped at the boundary (for hosts and tests), the Lua opener and
# the Python functions of the binding lists.
set -eu
sources=$1
exports=$(sort)
python_pool=$(grep -o 'X([^,]*, py_[A-Za-z0-9_]*' "$sources/binding/python/pool_functions.hpp" | sed 's/.*, //')
python_lists=$(grep -o '^  X(Get[A-Za-z]*' "$sources/binding/list_functions.hpp" | sed 's/^  X(/py_/')
expected=$(printf '%s\n' ReaperPluginEntry get_version kv_last_exception luaopen_reaper_KELVARO_COBALT $python_pool $python_lists | sort)
if [ "$exports" != "$expected" ]; then
  echo "exported but not declared:"; echo "$exports" | grep -vxF "$expected" || true
  echo "declared but not exported:"; echo "$expected" | grep -vxF "$exports" || true
  exit 1
fi
echo "exports: $(echo "$exports" | wc -l) functions"
