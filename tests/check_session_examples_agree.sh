#!/bin/sh
# The Python session example does what the Lua one does: run each into a
# folder of its own, they write the same report and the same picture.
set -eu
kvhost=$1 repository=$2
lua=$(mktemp -d)
python=$(mktemp -d)
trap 'rm -rf "$lua" "$python"' EXIT
"$kvhost" "$repository/examples/session.lua" "$lua" >/dev/null
PYTHONPATH="$repository/python" "$kvhost" "$repository/examples/session.py" "$python" >/dev/null
diff "$lua/report.txt" "$python/report.txt"
cmp "$lua/waveform.svg" "$python/waveform.svg"
echo "session.py and session.lua wrote the same report and picture"
