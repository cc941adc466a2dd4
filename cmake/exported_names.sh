#!/bin/sh
# Prints the C entry points the extension exports, one a line: the host entry,
# its version, the last exception stopped at the boundary (for hosts and
# tests), the Lua opener and the Python functions of the binding lists. The
# linker's export lists and the export checks are all made from this.
set -eu
sources=$1
python_pool=$(grep -o 'X([^,]*, py_[A-Za-z0-9_]*' "$sources/binding/python/pool_functions.hpp" | sed 's/.*, //')
python_lists=$(grep -o '^  X(Get[A-Za-z]*' "$sources/binding/list_functions.hpp" | sed 's/^  X(/py_/')
printf '%s\n' ReaperPluginEntry get_version kv_last_exception luaopen_reaper_KELVARO_COBALT $python_pool $python_lists
