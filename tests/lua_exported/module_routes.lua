-- The module's two routes give the same lists for the same arguments: the
-- library opened as a C module in a Lua that exports its C API, and the Lua
-- file that REAPER's own Lua uses, which goes through registered functions.
-- Run with --export-lua, and again with a host that cannot grow buffers.

-- The input dialogs of all those calls are cancelled.
kvhost.default_dialog_answers()

local plugins = reaper.GetResourcePath() .. "/UserPlugins"
local open = assert(package.loadlib(plugins .. "/reaper_KELVARO_COBALT.so", "luaopen_reaper_KELVARO_COBALT"))
local direct = assert(open())
package.path = plugins .. "/?.lua;" .. package.path
local through_host = require("reaper_KELVARO_COBALT")
assert(through_host ~= direct and KV_COBALT == through_host)

-- A folder with children, odd names, an item of speech, a deleted track.
local tracks = kvhost.add_tracks(nil, {1, 0, 1, -2, 0})
for i, name in ipairs({"Bass", "bass \"1\"\n\t", "Bass\1\127\200", "", "Ba\\ss"}) do
  reaper.GetSetMediaTrackInfo_String(tracks[i], "P_NAME", name, true)
end
reaper.SetTrackSelected(tracks[1], true)
local item = reaper.AddMediaItemToTrack(tracks[2])
local take = reaper.AddTakeToMediaItem(item)
reaper.SetMediaItemTake_Source(take, reaper.PCM_Source_CreateFromFile("/usr/share/sounds/alsa/Front_Center.wav"))
reaper.SetMediaItemInfo_Value(item, "D_LENGTH", 0.5)
reaper.SetMediaItemSelected(item, true)
local stale = kvhost.add_tracks(nil, {0})[1]
reaper.DeleteTrack(stale)
local folder = reaper.GetResourcePath() .. "/files"
for _, name in ipairs({"a.wav", "b.WAV", "sub/c.wav", "d.txt"}) do
  assert(reaper.KV_WriteFile(folder, name, "x", 0))
end

-- Equal as values, and floats stay floats, integers integers, -0.0 itself.
local function same(a, b, path)
  if type(a) ~= type(b) then return false, path end
  if type(a) == "number" then
    if math.type(a) ~= math.type(b) then return false, path end
    if a ~= a then return b ~= b, path end
    return a == b and (a ~= 0 or 1 / a == 1 / b), path
  end
  if type(a) ~= "table" then return a == b, path end
  for k, v in pairs(a) do
    local ok, where = same(v, b[k], path .. "." .. tostring(k))
    if not ok then return false, where end
  end
  for k in pairs(b) do
    if a[k] == nil then return false, path .. "." .. tostring(k) end
  end
  return true
end

local values = {
  {"nil", nil}, {"false", false}, {"true", true}, {"0", 0}, {"1", 1}, {"-1", -1}, {"2^32 + 1", (1 << 32) + 1},
  {"mininteger", math.mininteger}, {"2.5", 2.5}, {"2.0", 2.0}, {"nan", 0 / 0}, {"inf", math.huge},
  {"empty text", ""}, {"comma", ","}, {"a", "a"}, {"number text", " 0x1 "}, {"wav", "WAV"}, {"folder", folder},
  {"1 MB text", string.rep("ab,", 1 << 18)}, {"table", {}}, {"function", print}, {"full userdata", io.stdout},
  {"track", tracks[1]}, {"item", item}, {"stale track", stale},
}
local ordinary = {nil, 0, ",", "", ""}

local names = {}
for name in pairs(direct) do names[#names + 1] = name end
table.sort(names)
local compared = 0
for _, name in ipairs(names) do
  assert(through_host[name], name)
  for position = 1, #ordinary do
    for _, value in ipairs(values) do
      local arguments = {table.unpack(ordinary, 1, #ordinary)}
      arguments[position] = value[2]
      local want = table.pack(direct[name](table.unpack(arguments, 1, #ordinary)))
      local got = table.pack(through_host[name](table.unpack(arguments, 1, #ordinary)))
      local ok, where = same(want, got, "")
      assert(ok, ("%s with %s as argument %d differs at %s"):format(name, value[1], position, where))
      compared = compared + 1
    end
  end
end
assert(compared == #names * #ordinary * #values)

-- An index beyond 32 bits addresses nothing, never index 0.
assert(direct.KV_GetMediaIdPeakList(nil, 0) == true and direct.KV_GetMediaIdPeakList(nil, 1 << 32) == false)

-- A full userdata is no handle: the same as nil, on both routes.
for _, module in ipairs({direct, through_host}) do
  assert(same(table.pack(module.KV_GetTrackDepthList(io.stdout)), table.pack(module.KV_GetTrackDepthList(nil)), ""))
end

-- The lists that hold something hold what the host has.
local _, rows = through_host.KV_GetTrackDepthList(nil)
assert(#rows == 5 and rows[3].Track == reaper.GetTrack(nil, 2) and rows[3].Depth == 1)
local _, peaks = through_host.KV_GetMediaItemPeakList(item)
assert(#peaks == 500 and math.type(peaks[1].Time) == "float")
local _, found = through_host.KV_GetIncludePerfectTrackNameList(nil, "bass")
assert(#found == 3 and found[2].Track == tracks[2] and found[3].Index == 2)
