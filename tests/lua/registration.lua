-- Loading registers every function under API_, APIdef_ and APIvararg_ keys;
-- unloading withdraws them with the same keys behind a "-".

local names = kvhost.functions()
assert(#names >= 5)
local keys = kvhost.registrations()
assert(#keys == 3 * #names, #keys)
for i, name in ipairs(names) do
  assert(name:sub(1, 3) == "KV_", name)
  assert(keys[3 * i - 2] == "API_" .. name)
  assert(keys[3 * i - 1] == "APIdef_" .. name)
  assert(keys[3 * i] == "APIvararg_" .. name)
  local result, types, params, help = kvhost.definition(name)
  assert(result == "bool" or result == "MediaTrack*")
  assert(#types == #params, name)
  -- The module's Lua file calls the KV_COBALT_ ones; the help says so.
  assert(help:sub(1, 8) == (name:find("^KV_COBALT_") and "[KV:LUA]" or "[KV:API]"), name)
end

assert(kvhost.has_export("ReaperPluginEntry") and kvhost.has_export("get_version"))

-- A function the host hides is gone for scripts.
kvhost.hide_function("KV_DeleteBlankString")
assert(reaper.KV_DeleteBlankString == nil)
kvhost.show_all_functions()
assert(reaper.KV_DeleteBlankString ~= nil)

assert(kvhost.unload_extension() == 0)
keys = kvhost.registrations()
assert(#keys == 6 * #names)
for i = 1, 3 * #names do assert(keys[3 * #names + i] == "-" .. keys[i]) end
assert(#kvhost.functions() == 0)
assert(reaper.KV_CheckSameString == nil, "withdrawn functions are gone")

assert(kvhost.load_extension() == 1)
assert(reaper.KV_CheckSameString("a", "A"))
