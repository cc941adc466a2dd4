-- Host actions on one item while the selection is kept, and rendering the
-- active take, on items that play a recorded voice.

local voice = "/usr/share/sounds/alsa/Front_Center.wav"
local track = kvhost.add_tracks(0, {0})[1]

local function new_item(position, takes)
  local item = reaper.AddMediaItemToTrack(track)
  for _ = 1, takes do
    local take = reaper.AddTakeToMediaItem(item)
    assert(reaper.SetMediaItemTake_Source(take, reaper.PCM_Source_CreateFromFile(voice)))
  end
  reaper.SetMediaItemInfo_Value(item, "D_POSITION", position)
  reaper.SetMediaItemInfo_Value(item, "D_LENGTH", 1)
  return item
end

local items = {}
for i = 1, 4 do items[i] = new_item(2 * i, 1) end
local function selection()
  local on = {}
  for i, item in ipairs(items) do
    if reaper.IsMediaItemSelected(item) then on[#on + 1] = i end
  end
  return table.concat(on, ",")
end
local seen = 0
-- The commands run since the last call, each with the items selected while it ran.
local function commands()
  local all, new = kvhost.commands(), {}
  for i = seen + 1, #all do
    local on = {}
    for _, item in ipairs(all[i].items) do
      for k, known in ipairs(items) do
        if known == item then on[#on + 1] = k end
      end
    end
    new[#new + 1] = all[i].command .. " on " .. table.concat(on, ",")
  end
  seen = #all
  return table.concat(new, "; ")
end
local before

-- Three selected, the fourth not: the action sees the fourth alone.
kvhost.case("Three selected, the fourth not", function()
  for i = 1, 3 do reaper.SetMediaItemSelected(items[i], true) end
  assert(reaper.KV_ActionMediaItemSelectKeep(items[4], 40693))
  assert(commands() == "40693 on 4")
  assert(selection() == "1,2,3")
  -- The item is one of the selected: the same selection afterwards.
  assert(reaper.KV_ActionMediaIdSelectKeep(0, 1, 40693))
  assert(commands() == "40693 on 2" and selection() == "1,2,3")
  assert(reaper.KV_ActionSelectedMediaIdSelectKeep(0, 2, 40693))
  assert(commands() == "40693 on 3" and selection() == "1,2,3")
  assert(reaper.KV_ActionMediaIdSelectKeep(0, 99, 40693) == false)
  assert(commands() == "", "no item: nothing runs")
  -- Nothing selected: nothing selected afterwards.
  reaper.SelectAllMediaItems(0, false)
  assert(reaper.KV_ActionMediaItemSelectKeep(items[1], 40693))
  assert(commands() == "40693 on 1" and selection() == "")
end)

-- One take: rendered as it is into a second take that becomes the active one.
kvhost.case("One take", function()
  reaper.SetMediaItemSelected(items[3], true)
  before = reaper.GetActiveTake(items[1])
  assert(reaper.KV_RenderMediaItemActiveTake(items[1]))
  assert(commands() == "41999 on 1")
  assert(reaper.CountTakes(items[1]) == 2 and reaper.GetActiveTake(items[1]) ~= before)
  assert(selection() == "3")
end)

-- Several takes: cropped to the active take first, then rendered.
kvhost.case("Several takes", function()
  local several = new_item(20, 3)
  items[5] = several
  reaper.SetActiveTake(reaper.GetMediaItemTake(several, 1))
  assert(reaper.KV_RenderMediaIdActiveTake(0, 4))
  assert(commands() == "40131 on 5; 41999 on 5")
  assert(reaper.CountTakes(several) == 2)
  reaper.SetMediaItemSelected(several, true)
  assert(reaper.KV_RenderSelectedMediaIdActiveTake(0, 1))
  assert(commands() == "40131 on 5; 41999 on 5")
  assert(selection() == "3,5")
  assert(reaper.KV_RenderMediaIdActiveTake(0, 99) == false and commands() == "")
end)

-- The rendered take plays what the old one played: the same peaks, tenth by tenth.
kvhost.case("The rendered take plays what the old one played", function()
  local function peaks(take)
    local buffer = reaper.new_array(30)
    assert(reaper.GetMediaItemTake_Peaks(take, 10, 2, 1, 10, 0, buffer) & 0xFFFFF == 10)
    return buffer
  end
  local old, new, loudest = peaks(before), peaks(reaper.GetActiveTake(items[1])), 0
  for i = 1, 20 do
    assert(math.abs(new[i] - old[i]) < 1e-6, i)
    loudest = math.max(loudest, math.abs(old[i]))
  end
  assert(loudest > 0.01, "the voice is there")
end)

-- An item of a deleted track reads no project: every operation on it fails and
kvhost.case("An item of a deleted track reads no project", function()
  -- nothing runs on the current project in its place, with or without the
  -- host's pointer check.
  local doomed_track = kvhost.add_tracks(0, {0})[1]
  local doomed = reaper.AddMediaItemToTrack(doomed_track)
  assert(reaper.SetMediaItemTake_Source(reaper.AddTakeToMediaItem(doomed), reaper.PCM_Source_CreateFromFile(voice)))
  reaper.SetMediaItemInfo_Value(doomed, "D_LENGTH", 1)
  reaper.DeleteTrack(doomed_track)
  for _, hidden in ipairs({false, true}) do
    if hidden then
      kvhost.hide_function("ValidatePtr2")
      kvhost.unload_extension()
      assert(kvhost.load_extension() == 1)
    end
    assert(reaper.KV_ActionMediaItemSelectKeep(doomed, 40001) == false)
    assert(reaper.KV_RenderMediaItemActiveTake(doomed) == false)
    assert(reaper.KV_SetMediaItemEnvelopeAllOFF(doomed) == false)
    assert(reaper.KV_SetMediaItemHANDAUTOMER(doomed, 0) == false)
    assert(reaper.KV_SetMediaItemLoudnessMaxMomentary(doomed, -18) == false)
    assert(commands() == "" and selection() == "3,5", commands())
  end
  kvhost.show_all_functions()
end)
