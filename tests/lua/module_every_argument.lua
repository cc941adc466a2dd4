-- Every function of the Lua module with every Lua type in every argument
-- position, the others ordinary: none raises, and each answers with a
-- boolean and a table (and a whole number where it counts).

-- The input dialogs of all those calls are cancelled.
kvhost.default_dialog_answers()

local plugins = reaper.GetResourcePath() .. "/UserPlugins"
package.cpath = plugins .. "/?.so;" .. package.cpath
package.path = plugins .. "/?.lua;" .. package.path
local module = require("reaper_KELVARO_COBALT")
local track = kvhost.add_tracks(nil, {1, -1})[1]
local item = reaper.AddMediaItemToTrack(track)
local take = reaper.AddTakeToMediaItem(item)
reaper.SetMediaItemTake_Source(take, reaper.PCM_Source_CreateFromFile("/usr/share/sounds/alsa/Front_Center.wav"))
reaper.SetMediaItemInfo_Value(item, "D_LENGTH", 0.3)
local stale = kvhost.add_tracks(nil, {0})[1]
reaper.DeleteTrack(stale)

local huge = string.rep("x", 1 << 20)
local values = {
  {"nil", nil}, {"false", false}, {"true", true}, {"0", 0}, {"-1", -1}, {"maxinteger", math.maxinteger},
  {"mininteger", math.mininteger}, {"1.5", 1.5}, {"nan", 0 / 0}, {"inf", math.huge}, {"empty text", ""},
  {"1 MB text", huge}, {"number text", "12"}, {"table", {}}, {"function", print}, {"full userdata", io.stdout},
  {"thread", coroutine.create(print)}, {"track", track}, {"item", item}, {"stale track", stale},
}
-- What an ordinary call passes: the current project, the first index, short texts.
local ordinary = {nil, 0, ",", "", ""}

local names = {}
for name in pairs(module) do names[#names + 1] = name end
table.sort(names)
local calls = 0
for _, name in ipairs(names) do
  for position = 1, #ordinary do
    for _, value in ipairs(values) do
      local arguments = {table.unpack(ordinary, 1, #ordinary)}
      arguments[position] = value[2]
      local results = table.pack(pcall(module[name], table.unpack(arguments, 1, #ordinary)))
      local where = name .. " with " .. value[1] .. " as argument " .. position
      assert(results[1], where .. ": " .. tostring(results[2]))
      assert(type(results[2]) == "boolean" and type(results[3]) == "table", where)
      assert(results.n == 3 or (results.n == 4 and math.type(results[4]) == "integer"), where)
      calls = calls + 1
    end
  end
end
assert(calls == #names * #ordinary * #values)
