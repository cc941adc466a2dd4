#!/bin/sh
# `cmake --install` of the Windows build puts the DLL, the Lua file and the
# Python module into %APPDATA%\REAPER\UserPlugins, or PREFIX/UserPlugins; with
# neither it refuses rather than write to /REAPER.
set -eu
build=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
installed() {
  for file in reaper_KELVARO_COBALT.dll reaper_KELVARO_COBALT.lua reaper_KELVARO_COBALT_python.py; do
    [ -f "$1/$file" ] || { echo "not installed: $1/$file"; exit 1; }
  done
  echo "installed: $1"
}
APPDATA=$home/Roaming cmake --install "$build" >/dev/null
installed "$home/Roaming/REAPER/UserPlugins"
cmake --install "$build" --prefix "$home/portable" >/dev/null
installed "$home/portable/UserPlugins"
if env -u APPDATA cmake --install "$build" >/dev/null 2>&1; then
  echo "installed without APPDATA or a prefix"; exit 1
fi
