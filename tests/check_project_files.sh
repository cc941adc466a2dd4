#!/bin/sh
# kvhost --project / --save-project, for Lua and Python scripts: an untouched
# project comes back byte for byte, a change keeps every line it did not
# touch, a save may replace its own input, and a bad file stops the run with
# its line before the script runs (status 2).
set -u
kvhost=$1
projects=$2
with_python=${3:-1}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
run() { ${KVHOST_EMULATOR:-} "$kvhost" "$@"; }
fail() { echo "$*"; exit 1; }

for fixture in modern legacy minimal; do
  run --project "$projects/$fixture.RPP" --save-project "$work/$fixture.RPP" -e 'return' 2>/dev/null ||
    fail "$fixture: the run failed"
  cmp -s "$projects/$fixture.RPP" "$work/$fixture.RPP" || fail "$fixture: not written back byte for byte"
done

# A change in Lua: one line differs, unknown chunks stay.
run --project "$projects/modern.RPP" --save-project "$work/renamed.RPP" \
  -e 'reaper.GetSetMediaTrackInfo_String(reaper.GetTrack(0, 1), "P_NAME", "Bass", true)' 2>/dev/null ||
  fail "the renaming run failed"
[ "$(cmp -l "$projects/modern.RPP" "$work/renamed.RPP" 2>/dev/null | wc -l)" -gt 0 ] || fail "the name did not change"
[ "$(diff "$projects/modern.RPP" "$work/renamed.RPP" | grep -c '^[<>]')" -eq 2 ] || fail "more than the name changed"
grep -q 'NAME Bass' "$work/renamed.RPP" || fail "the new name is missing"

# The same in Python, saved over its own input.
if [ "$with_python" -eq 1 ]; then
cp "$projects/modern.RPP" "$work/own.RPP"
cat > "$work/rename.py" <<'PY'
try:
  RPR_Undo_CanUndo2(0)
  raise SystemExit("a point before any change")
except AttributeError:
  pass  # REAPER's module decodes the NULL it gets
track = RPR_GetTrack(0, 1)
RPR_GetSetMediaTrackInfo_String(track, "P_NAME", "Bass", True)
RPR_Undo_OnStateChange("Rename")
if RPR_Undo_CanUndo2(0) != "Rename":
  raise SystemExit("no undo point")
PY
run --project "$work/own.RPP" --save-project "$work/own.RPP" "$work/rename.py" 2>/dev/null || fail "the Python run failed"
cmp -s "$work/renamed.RPP" "$work/own.RPP" || fail "Python wrote another file than Lua"
ls "$work" | grep -q saving && fail "a temporary file was left"
fi

# Bad project files stop before the script runs.
printf '<REAPER_PROJECT 0.1 "7.40" 0\n  <TRACK\n    NAME x\n' > "$work/cut.RPP"
printf 'RIFF\000\000\000\000WAVEfmt ' > "$work/binary.RPP"
scripts="-e print('ran')"
[ "$with_python" -eq 1 ] && scripts="$work/rename.py|$scripts"
IFS='|'
for script in $scripts; do
  IFS=' '
  # shellcheck disable=SC2086
  out=$(run --project "$work/cut.RPP" $script 2>&1)
  status=$?
  [ "$status" -eq 2 ] || fail "a truncated project: exit $status, wanted 2"
  echo "$out" | grep -qF "cut.RPP:3: expected '>' closing <TRACK of line 2" || fail "no line in: $out"
  echo "$out" | grep -q ran && fail "the script ran"
  IFS='|'
done
unset IFS
out=$(run --project "$work/binary.RPP" -e 'return' 2>&1)
[ $? -eq 2 ] && echo "$out" | grep -qF "binary.RPP:1: expected a text file" || fail "a binary project: $out"
out=$(run --project "$work/none.RPP" -e 'return' 2>&1)
[ $? -eq 2 ] && echo "$out" | grep -qF "none.RPP: cannot read" || fail "a missing project: $out"
out=$(run --project "$projects/minimal.RPP" --save-project "$work/missing/x.RPP" -e 'return' 2>&1)
[ $? -eq 2 ] && echo "$out" | grep -qF "x.RPP: cannot write" || fail "a save into a missing folder: $out"
echo "project files in and out"
