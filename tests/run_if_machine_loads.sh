#!/bin/sh
# LIBRARY INTERPRETER COMMAND...: runs COMMAND, which loads LIBRARY into
# INTERPRETER (python3, lua). A library built for another machine than the
# interpreter's (a cross build's, with this machine's python3) cannot load
# there: the test is skipped (status 77) and says why.
set -eu
library=$1 interpreter=$2
shift 2
# A script (such as pyenv's python3) runs on the machine of its #! program.
machine() {
  case $(head -c 2 "$1") in
    '#!') machine "$(head -n 1 "$1" | sed 's/^#! *//; s/ .*//')" ;;
    *) readelf -h "$1" | sed -n 's/^ *Machine: *//p' ;;
  esac
}
if [ "$(machine "$library")" != "$(machine "$interpreter")" ]; then
  echo "skipped: $interpreter ($(machine "$interpreter")) cannot load a library for $(machine "$library"): $library"
  exit 77
fi
exec "$@"
