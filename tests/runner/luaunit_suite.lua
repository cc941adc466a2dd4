-- LuaUnit, as Debian installs it, runs unchanged with its own options.
local lu = require("luaunit")

TestProject = {}
function TestProject:setUp() kvhost.reset() end
function TestProject:testTracks()
  kvhost.add_tracks(nil, {0, 0})
  lu.assertEquals(reaper.CountTracks(0), 2)
end
function TestProject:testEachTestStartsEmpty()
  lu.assertEquals(reaper.CountTracks(0), 0)
end
if os.getenv("KV_LUAUNIT_FAIL") then
  function TestProject:testFails() lu.assertEquals(1, 2) end
end

reaper.atexit(function() print("atexit after LuaUnit") end)
os.exit(lu.LuaUnit.run())
