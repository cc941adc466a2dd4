#!/bin/sh
# kvhost as a runner of users' scripts: deferred cycles and atexit, answered
# dialogs, the loud stop, os.exit, LuaUnit, --check and CI reports, each
# with its exit status and message.
set -u
kvhost=$1
here=$2/runner
with_python=$3
run() { ${KVHOST_EMULATOR:-} "$kvhost" "$@"; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# expect STATUS "TEXT|TEXT..." kvhost-arguments...: the run ends with STATUS
# and its output holds every TEXT.
expect() {
  wanted=$1 texts=$2
  shift 2
  out=$(run "$@" 2>&1)
  status=$?
  if [ "$status" -ne "$wanted" ]; then
    echo "kvhost $*: exit $status, wanted $wanted"; echo "$out"; failed=1; return
  fi
  old_ifs=$IFS; IFS='|'
  for text in $texts; do
    echo "$out" | grep -qF -- "$text" || { echo "kvhost $*: missing: $text"; echo "$out"; failed=1; }
  done
  IFS=$old_ifs
}

# Deferred cycles, in order; time advances 1/30 s per cycle; atexit after an error too.
expect 0 "main tick1 other tick2 tick3 0.1000|second atexit" "$here/deferred.lua"
expect 1 "broke in a deferred function|main tick1 other tick2 tick3|second atexit" "$here/deferred.lua" fail
expect 0 "main tick1 other tick2 0.0667" --defer-cycles 2 "$here/deferred.lua"
[ "$with_python" -eq 1 ] && expect 0 "tick0 tick1 tick2 0.1000" "$here/deferred.py"
expect 1 "bad argument #1 to 'defer' (function expected" -e 'reaper.defer("f()")'
expect 2 "--defer-cycles takes a positive number" --defer-cycles 0 -e 'local x'
expect 2 "--defer-cycles takes a positive number" --defer-cycles -3 -e 'local x'
expect 7 "atexit ran" -e 'reaper.atexit(function() print("atexit ran") end) os.exit(7) error("not reached")'
expect 5 "ran longer than --timeout" --timeout 1 -e 'while true do end'

# Dialogs take their answers in order; none left, or one of the wrong kind, stops the run.
expect 0 "7	true	x| y	true	a,b,line
break	false	kept" --answers "$here/answers.txt" "$here/dialogs.lua"
expect 4 'no answer left for message box "Cleanup": Delete the takes? (' "$here/dialogs.lua"
printf '6\n' > "$work/short.txt"
expect 2 "short.txt:1: answer 6 is no button of a type 1 message box (1, 2)" --answers "$work/short.txt" \
  -e 'reaper.MB("m", "t", 1)'
printf '7\n7\n' > "$work/kinds.txt"
expect 2 "kinds.txt:2: an input dialog needs 0 (Cancel) or 1, and its values" --answers "$work/kinds.txt" \
  "$here/dialogs.lua"
printf '7\n1,only one\n' > "$work/count.txt"
expect 2 "count.txt:2: 1 value(s) for a dialog of 2 field(s)" --answers "$work/count.txt" "$here/dialogs.lua"
printf '6\nyes\n' > "$work/bad.txt"
expect 2 'bad.txt:2: expected a return code' --answers "$work/bad.txt" -e 'local x'
printf '1,["open\n' > "$work/json.txt"
expect 2 'json.txt:1: expected a JSON array of strings' --answers "$work/json.txt" -e 'local x'

# What kvhost does not simulate stops the run, naming the script's line.
expect 3 "a run|kvhost does not implement reaper.TakeFX_AddByName ($here/not_implemented.lua:2)" \
  "$here/not_implemented.lua"
[ "$with_python" -eq 1 ] && expect 3 "kvhost does not implement RPR_TakeFX_AddByName ($here/not_implemented.py:3)" "$here/not_implemented.py"
printf '\033Lua' > "$work/binary.lua"
expect 2 "is not a script" "$work/binary.lua"

# LuaUnit runs as is, with its own output options and exit status.
expect 0 "Ran 2 tests|OK|atexit after LuaUnit" "$here/luaunit_suite.lua" --verbose
KV_LUAUNIT_FAIL=1 expect 1 "testFails|atexit after LuaUnit" "$here/luaunit_suite.lua"
expect 0 "" "$here/luaunit_suite.lua" --output junit --name "$work/luaunit.xml"
python3 -c 'import sys, xml.etree.ElementTree as t; s = t.parse(sys.argv[1]).getroot().find("testsuite")
assert s.get("tests") == "2" and s.get("failures") == "0", t.tostring(s)' "$work/luaunit.xml" || failed=1

# kvhost.case results as JUnit XML and TAP.
expect 1 "not ok 2 - fails <here>|ok 1 - passes|1..2" --tap --junit "$work/cases.xml" "$here/cases.lua"
python3 - "$work/cases.xml" <<'PY' || failed=1
import sys
import xml.etree.ElementTree as tree
suite = tree.parse(sys.argv[1]).getroot().find("testsuite")
cases = suite.findall("testcase")
assert suite.get("name") == "cases" and suite.get("tests") == "2" and suite.get("failures") == "1"
assert [c.get("name") for c in cases] == ["passes", "fails <here>"]
assert cases[0].find("failure") is None and "wrong & broken" in cases[1].find("failure").text
PY
expect 3 "ok 1 - passes|not ok 2 - stops in a case|    kvhost does not implement reaper.TakeFX_AddByName (script:1)" \
  --tap -e 'kvhost.case("passes", function() end) kvhost.case("stops in a case", function() reaper.TakeFX_AddByName() end)'
expect 2 "--junit and --tap report kvhost.case of Lua scripts" --tap "$here/deferred.py"

# --check lists what the scripts use that kvhost lacks, by script.
expect 1 "$here/check/python/uses.py
  not simulated: RPR_TrackFX_GetCount
  actions not simulated: 42000
$here/check/uses_much.lua
  not simulated: reaper.TakeFX_AddByName
  actions not simulated: 41080
  extension function: ReaImGui: ImGui_CreateContext
  extension function: SWS: BR_GetMediaItemGUID
  extension function: js_ReaScriptAPI: JS_Window_Find
2 of 3 script(s) use what kvhost does not simulate" --check "$here/check"
expect 0 "0 of 1 script(s)" --check "$here/check/clean.lua"
expect 2 "cannot read" --check "$work/missing"

[ "$failed" -eq 0 ] && echo "scripts run, stop and report as documented"
exit "$failed"
