#!/bin/sh
# The testing example as a script writer runs it, on a copy beside which its
# media are made: lua runs the LuaUnit tests (with a JUnit file) and then the
# script alone with an answers file, saving the project it changed, of which
# only the changed values may differ; python runs the Python twin's tests.
set -eu
kvhost=$1 example=$2 language=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R "$example/." "$work"
rm -rf "$work/fixture/media"
cd "$work"
python3 make_media.py
run() { ${KVHOST_EMULATOR:-} "$kvhost" --project fixture/interview.RPP "$@"; }
if [ "$language" = python ]; then
  run --answers answers.txt test_name_and_level_items.py
  exit
fi
run test_name_and_level_items.lua -o junit -n results.xml
grep -q '<testsuite .* tests="7" .* errors="0" failures="0"' results.xml
printf '1,Scene,2,-18\n' > once.txt
run --answers once.txt --save-project saved.RPP name_and_level_items.lua > console.txt
grep -qx "2 of 3 items levelled to -18 LUFS" console.txt
python3 - fixture/interview.RPP saved.RPP <<'PY'
import sys
before, after = (open(name, "rb").read().split(b"\r\n") for name in sys.argv[1:])
assert len(before) == len(after), "the saved project has other lines than the fixture"
changed = [(b, a) for b, a in zip(before, after) if b != a]
names = [a.split()[1] for b, a in changed if a.lstrip().startswith(b"NAME ")]
volumes = [a for b, a in changed if a.lstrip().startswith(b"VOLPAN ")]
assert names == [b"Scene_01", b"Scene_03", b"Scene_02"], names
assert len(volumes) == 2, volumes
assert len(changed) == len(names) + len(volumes) + changed[0][0].startswith(b"<REAPER_PROJECT"), changed
PY
