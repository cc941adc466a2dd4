-- Debian's own lua5.3 interpreter loads the library as a C module, with the
-- library's folder on package.cpath, and the module uses that Lua.
local module = require("reaper_KELVARO_COBALT")
assert(module == KV_COBALT)
local names = {}
for name in pairs(module) do names[#names + 1] = name end
table.sort(names)
print(#names .. " functions: " .. table.concat(names, " "))
assert(#names == 13)
local ok, parts = KV_COBALT.KV_GetStringSplitList("a,b", ",")
assert(ok and parts[1] == "a" and parts[2] == "b")
-- No host runs here: a list that needs the host answers false.
local ok2, tracks = KV_COBALT.KV_GetTrackItemList(nil)
assert(ok2 == false and next(tracks) == nil)
