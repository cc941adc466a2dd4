#!/bin/sh
# What lasts from one kvhost run to the next (persisted ExtState in the
# resource folder's reaper-extstate.ini), and the stop, with status 3, on an
# action kvhost does not simulate.
set -u
kvhost=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
run() { ${KVHOST_EMULATOR:-} "$kvhost" --resource-path "$folder" -e "$1"; }
fail() { echo "$1"; exit 1; }

run 'reaper.SetExtState("My Script", "Last Folder", "/home/me/a=b", true)
     reaper.SetExtState("My Script", "gone", "x", true)
     reaper.SetExtState("My Script", "memory", "only", false)' || fail "first run failed"
grep -qx '\[My Script\]' "$folder/reaper-extstate.ini" || fail "no section in the file"
grep -qx 'Last Folder=/home/me/a=b' "$folder/reaper-extstate.ini" || fail "no key in the file"
grep -q memory "$folder/reaper-extstate.ini" && fail "a value not persisted reached the file"
# Read back in a new run; a later set without persist leaves the file alone,
# a delete with persist removes the key from it.
run 'assert(reaper.GetExtState("my script", "LAST FOLDER") == "/home/me/a=b")
     assert(not reaper.HasExtState("My Script", "memory"))
     reaper.SetExtState("My Script", "Last Folder", "/elsewhere", false)
     reaper.DeleteExtState("My Script", "gone", true)' || fail "second run failed"
grep -qx 'Last Folder=/home/me/a=b' "$folder/reaper-extstate.ini" || fail "memory-only set reached the file"
grep -q gone "$folder/reaper-extstate.ini" && fail "a deleted key stayed in the file"

# Actions kvhost does not simulate stop the run, saying which and where.
for case in "40514|kvhost does not simulate action 40514 (View: Move edit cursor to mouse cursor (no snapping)) (script:1)" \
            "12345|kvhost does not simulate action 12345 (script:1)"; do
  id=${case%%|*}
  out=$(run "reaper.Main_OnCommand($id, 0); print('went on')" 2>&1)
  status=$?
  [ "$status" -eq 3 ] || fail "action $id: exit $status, wanted 3: $out"
  [ "$out" = "${case#*|}" ] || fail "action $id said: $out"
done
out=$(run "reaper.GetToggleCommandState(40036)" 2>&1)
[ $? -eq 3 ] || fail "an unknown toggle state did not stop the run: $out"
echo "state lasts across runs; unsimulated actions stop the run"
