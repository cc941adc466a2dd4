#!/bin/sh
# `cmake --install` puts the extension into the user's REAPER UserPlugins
# folder, or into <prefix>/UserPlugins when a prefix is given, and the
# installed file loads in the host and answers a call.
set -eu
build=$1 kvhost=$2 file=$3
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# The installed folder taken as REAPER's resource folder: the extension
# answers, and a script gets the lists through the installed files as it
# would in REAPER, whose Lua the library cannot reach from C.
loads() {
  [ -f "$1" ] || { echo "not installed: $1"; exit 1; }
  [ -f "$(dirname "$1")/reaper_KELVARO_COBALT.lua" ] || { echo "no Lua file beside $1"; exit 1; }
  [ -f "$(dirname "$1")/reaper_KELVARO_COBALT_python.py" ] || { echo "no Python module beside $1"; exit 1; }
  "$kvhost" --resource-path "$(dirname "$(dirname "$1")")" --extension "$1" -e '
    local ok, text = reaper.KV_FormatNumDigit(7, 3)
    assert(ok and text == "007", "the installed extension does not answer")
    local plugins = reaper.GetResourcePath() .. "/UserPlugins"
    package.cpath = plugins .. "/?.so;" .. package.cpath
    package.path = plugins .. "/?.lua;" .. package.path
    local cobalt = require("reaper_KELVARO_COBALT")
    local listed, parts = cobalt.KV_GetStringSplitList("a,b", ",")
    assert(listed and parts[2] == "b" and KV_COBALT == cobalt, "the installed lists do not answer")'
  echo "installed and loads: $1"
}

case $(uname -s) in
  Darwin) user_folder="$home/Library/Application Support/REAPER/UserPlugins" ;;
  *) user_folder="$home/.config/REAPER/UserPlugins" ;;
esac
HOME=$home cmake --install "$build" >/dev/null
loads "$user_folder/$file"

HOME=$home cmake --install "$build" --prefix "$home/portable" >/dev/null
loads "$home/portable/UserPlugins/$file"
