#!/bin/sh
# `cmake --install` puts the extension into the user's REAPER UserPlugins
# folder, or into <prefix>/UserPlugins when a prefix is given, and the
# installed file loads in the host and answers a call.
set -eu
build=$1 kvhost=$2 file=$3
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

loads() {
  [ -f "$1" ] || { echo "not installed: $1"; exit 1; }
  "$kvhost" --extension "$1" -e '
    local ok, text = reaper.KV_FormatNumDigit(7, 3)
    assert(ok and text == "007", "the installed extension does not answer")'
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
