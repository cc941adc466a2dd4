#!/bin/sh
# `cmake --install` puts the extension, its Lua file and its Python module (with its type stub) into
# the user's REAPER UserPlugins folder, or into <prefix>/UserPlugins when a
# prefix is given, and refuses to guess the user's folder when the variable
# naming it is unset. Given kvhost, the installed file loads in the host and
# answers a call. FILE is the library's file name (.so, .dylib or .dll).
set -eu
build=$1 file=$2 kvhost=${3:-}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# The installed folder taken as REAPER's resource folder: the extension
# answers, and a script gets the lists through the installed files as it
# would in REAPER, whose Lua the library cannot reach from C.
installed() {
  for name in "$file" reaper_KELVARO_COBALT.lua reaper_KELVARO_COBALT_python.py reaper_KELVARO_COBALT_python.pyi; do
    [ -f "$1/$name" ] || { echo "not installed: $1/$name"; exit 1; }
  done
  [ -n "$kvhost" ] || { echo "installed: $1/$file"; return; }
  ${KVHOST_EMULATOR:-} "$kvhost" --resource-path "$(dirname "$1")" --extension "$1/$file" "$(dirname "$0")/installed.lua"
  echo "installed and loads: $1/$file"
}

case $file in
  *.dll) variable=APPDATA user_folder="$home/REAPER/UserPlugins" ;;
  *.dylib) variable=HOME user_folder="$home/Library/Application Support/REAPER/UserPlugins" ;;
  *) variable=HOME user_folder="$home/.config/REAPER/UserPlugins" ;;
esac
env "$variable=$home" cmake --install "$build" >/dev/null
installed "$user_folder"

env "$variable=$home" cmake --install "$build" --prefix "$home/portable" >/dev/null
installed "$home/portable/UserPlugins"

if env -u "$variable" cmake --install "$build" >/dev/null 2>&1; then
  echo "installed without $variable or a prefix"; exit 1
fi
