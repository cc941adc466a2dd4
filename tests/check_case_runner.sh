#!/bin/sh
# kvhost.case: a failing case is named with its message, the cases after it
# still run, and the script fails at its end; passing cases fail nothing.
set -u
kvhost=$1
out=$(${KVHOST_EMULATOR:-} "$kvhost" -e '
kvhost.case("first", function() end)
kvhost.case("the broken one", function() error("boom") end)
kvhost.case("after", function() reaper.ShowConsoleMsg("after ran\n") end)' 2>&1)
status=$?
[ "$status" -eq 1 ] || { echo "exit $status, wanted 1"; exit 1; }
for wanted in "case failed: the broken one" "boom" "after ran" "1 case(s) failed:"; do
  echo "$out" | grep -qF "$wanted" || { echo "missing: $wanted"; echo "$out"; exit 1; }
done
if echo "$out" | grep -qF "case failed: first"; then echo "a passing case was reported"; exit 1; fi
${KVHOST_EMULATOR:-} "$kvhost" -e 'kvhost.case("fine", function() end)' || { echo "a passing script failed"; exit 1; }
echo "cases run and report by name"
