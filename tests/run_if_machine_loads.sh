#!/bin/sh
# LIBRARY COMMAND...: runs COMMAND, which loads LIBRARY into one of this
# machine's own interpreters (python3, lua). A library built for another
# machine (a cross build's, whose programs run under an emulator) cannot load
# there: the test is skipped (status 77) and says why.
set -eu
library=$1
shift
machine() { readelf -h "$1" | sed -n 's/^ *Machine: *//p'; }
if [ "$(machine "$library")" != "$(machine /bin/sh)" ]; then
  echo "skipped: this machine's interpreters cannot load a library for $(machine "$library"): $library"
  exit 77
fi
exec "$@"
