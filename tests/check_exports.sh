#!/bin/sh
# The extension exports exactly its C entry points: every defined dynamic
# symbol counts, C++ names and weak or unique objects included.
set -eu
library=$1
sources=$2
nm -D --defined-only "$library" | awk '{print $NF}' | "$(dirname "$0")/compare_exports.sh" "$sources"
