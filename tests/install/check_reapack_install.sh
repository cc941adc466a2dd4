#!/bin/sh
# A ReaPack install of the release alone serves scripts: PLATFORM's files of
# the index installed as ReaPack does, the extension loads in the host and
# answers, and README's Lua and Python lines reach the lists, the wrapper and
# the kv_cobalt package.
set -eu
kvhost=$1 index=$2 release=$3 platform=${4:-linux64}
here=$(cd "$(dirname "$0")" && pwd)
resource=$(mktemp -d)
trap 'rm -rf "$resource"' EXIT
python3 "$here/reapack_install.py" "$index" "$release" "$platform" "$resource"
library=$resource/UserPlugins/reaper_KELVARO_COBALT.so
"$kvhost" --resource-path "$resource" --extension "$library" "$here/installed.lua"
"$kvhost" --resource-path "$resource" --extension "$library" "$here/installed.py"
echo "a ReaPack install serves Lua and Python scripts"
