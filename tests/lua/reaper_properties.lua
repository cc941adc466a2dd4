-- Property keys of items, tracks and takes, numbers and text, read and
-- written as ReaScripts do; unknown keys read 0 and refuse a value.

local track = kvhost.add_tracks(0, {0, 0})[1]
local item = reaper.AddMediaItemToTrack(track)
local take = reaper.AddTakeToMediaItem(item)
local second = reaper.AddTakeToMediaItem(item)

local function round_trip(get, set, object, keys)
  for key, values in pairs(keys) do
    local default, wanted, refused = table.unpack(values)
    assert(get(object, key) == default, key .. " default " .. tostring(get(object, key)))
    assert(set(object, key, wanted), key)
    assert(get(object, key) == wanted, key)
    if refused then
      assert(set(object, key, refused) == false and get(object, key) == wanted, key .. " refuses " .. refused)
    end
  end
end

kvhost.case("Item keys", function()
  round_trip(reaper.GetMediaItemInfo_Value, reaper.SetMediaItemInfo_Value, item, {
    D_SNAPOFFSET = {0, 0.25, -1},
    D_FADEINLEN = {0, 0.5, -0.5},
    D_FADEOUTLEN = {0, 0.75, -1},
    D_FADEINLEN_AUTO = {-1, 0.1},
    D_FADEOUTLEN_AUTO = {-1, 0.2},
    C_FADEINSHAPE = {0, 6, 7},
    C_FADEOUTSHAPE = {0, 2, -1},
    I_GROUPID = {0, 5, -1},
    C_LOCK = {0, 1},
    B_LOOPSRC = {1, 0},
    B_ALLTAKESPLAY = {0, 1},
    B_MUTE = {0, 1},
  })
  local later = reaper.AddMediaItemToTrack(track)
  reaper.SetMediaItemInfo_Value(later, "D_POSITION", 5)
  assert(reaper.GetMediaItemInfo_Value(item, "IP_ITEMNUMBER") == 0)
  assert(reaper.GetMediaItemInfo_Value(later, "IP_ITEMNUMBER") == 1)
  assert(reaper.SetMediaItemInfo_Value(later, "IP_ITEMNUMBER", 0) == false, "read-only")
  assert(reaper.GetMediaItemInfo_Value(item, "D_NO_SUCH") == 0 and not reaper.SetMediaItemInfo_Value(item, "D_NO_SUCH", 1))
  reaper.DeleteTrackMediaItem(track, later)
end)

kvhost.case("Track keys, with fixed screen geometry", function()
  round_trip(reaper.GetMediaTrackInfo_Value, reaper.SetMediaTrackInfo_Value, track, {
    I_RECARM = {0, 1, 2},
    I_RECINPUT = {0, 4096 + 63 * 32},
    I_RECMODE = {0, 7, 12},
    I_RECMON = {1, 2, 3},
    B_SHOWINTCP = {1, 0},
    B_SHOWINMIXER = {1, 0},
    I_HEIGHTOVERRIDE = {0, 120, -5},
    D_PAN = {0, -0.5, 1.5},
    D_WIDTH = {1, 0.25, -2},
    B_PHASE = {0, 1},
    I_NCHAN = {2, 8, 7},
  })
  local below = reaper.GetTrack(0, 1)
  assert(reaper.GetMediaTrackInfo_Value(track, "I_TCPH") == 120, "the height override")
  assert(reaper.GetMediaTrackInfo_Value(below, "I_TCPY") == 0, "the track above is hidden")
  reaper.SetMediaTrackInfo_Value(track, "B_SHOWINTCP", 1)
  assert(reaper.GetMediaTrackInfo_Value(below, "I_TCPY") == 120)
  -- Heights add up beyond an int.
  reaper.InsertTrackAtIndex(0, false)
  local tall = reaper.GetTrack(0, 0)
  reaper.SetMediaTrackInfo_Value(tall, "I_HEIGHTOVERRIDE", 2147483647)
  reaper.SetMediaTrackInfo_Value(track, "I_HEIGHTOVERRIDE", 2147483647)
  assert(reaper.GetMediaTrackInfo_Value(below, "I_TCPY") == 2 * 2147483647)
  reaper.DeleteTrack(tall)
  reaper.SetMediaTrackInfo_Value(track, "I_HEIGHTOVERRIDE", 120)
  local width = reaper.GetMediaTrackInfo_Value(below, "I_MCPW")
  assert(width > 0 and reaper.SetMediaTrackInfo_Value(below, "I_MCPW", 5) == false)
  assert(reaper.GetMediaTrackInfo_Value(below, "I_MCPW") == width)
  local master = reaper.GetMasterTrack(0)
  assert(reaper.GetMediaTrackInfo_Value(master, "B_SHOWINTCP") == 0 and not reaper.SetMediaTrackInfo_Value(master, "B_SHOWINTCP", 1))
end)

kvhost.case("Take keys", function()
  round_trip(reaper.GetMediaItemTakeInfo_Value, reaper.SetMediaItemTakeInfo_Value, take, {
    D_PITCH = {0, -12},
    I_CHANMODE = {0, 3, -1},
    B_PPITCH = {1, 0},
    D_PAN = {0, 0.5, 2},
  })
  assert(reaper.GetMediaItemTakeInfo_Value(take, "IP_TAKENUMBER") == 0)
  assert(reaper.GetMediaItemTakeInfo_Value(second, "IP_TAKENUMBER") == 1)
  assert(reaper.SetMediaItemTakeInfo_Value(second, "IP_TAKENUMBER", 0) == false)
end)

kvhost.case("GUID, P_EXT and P_NOTES on tracks, items and takes", function()
  local forms = {
    {reaper.GetSetMediaTrackInfo_String, track},
    {reaper.GetSetMediaItemInfo_String, item},
    {reaper.GetSetMediaItemTakeInfo_String, take},
  }
  local seen = {}
  for _, form in ipairs(forms) do
    local get_set, object = table.unpack(form)
    local ok, guid = get_set(object, "GUID", "", false)
    assert(ok and guid:match("^{%x+%-%x+%-%x+%-%x+%-%x+}$") and not seen[guid], guid)
    seen[guid] = true
    assert(get_set(object, "GUID", "{0123abcd-0000-0000-0000-00000000000F}", true))
    assert(select(2, get_set(object, "GUID", "", false)) == "{0123ABCD-0000-0000-0000-00000000000F}")
    assert(get_set(object, "GUID", "{not-a-guid}", true) == false)
    assert(get_set(object, "P_EXT:mix_order", "", false) == false, "absent")
    assert(get_set(object, "P_EXT:mix_order", 3, true), "a number for a string")
    local text
    ok, text = get_set(object, "P_EXT:mix_order", "", false)
    assert(ok and text == "3")
    assert(get_set(object, "P_EXT:mix_order", "two\nlines", true) == false)
    assert(get_set(object, "P_EXT:mix_order", "", true) and get_set(object, "P_EXT:mix_order", "", false) == false)
    assert(get_set(object, "P_EXT:", "x", true) == false and get_set(object, "P_NO_SUCH", "x", true) == false)
  end
  local notes = "line one\nline two " .. string.rep("n", 4000)
  assert(reaper.GetSetMediaItemInfo_String(item, "P_NOTES", notes, true))
  assert(select(2, reaper.GetSetMediaItemInfo_String(item, "P_NOTES", "", false)) == notes)
end)

kvhost.case("Razor edits as scripts write them back", function()
  local _, areas = reaper.GetSetMediaTrackInfo_String(track, "P_RAZOREDITS", "", false)
  assert(areas == "")
  local written = '0.0 1.0 "" 2.5 3.0 "{0123ABCD-0000-0000-0000-00000000000F}"'
  assert(reaper.GetSetMediaTrackInfo_String(track, "P_RAZOREDITS", written, true))
  _, areas = reaper.GetSetMediaTrackInfo_String(track, "P_RAZOREDITS", "", false)
  local lanes = {}
  for area in areas:gmatch('.-".-"') do lanes[#lanes + 1] = area end
  assert(#lanes == 2 and areas == written)
  for _, bad in ipairs({'1.0 0.5 ""', '0 1', '0 1 "x"', '0 1 "" ', 'a 1 ""'}) do
    assert(reaper.GetSetMediaTrackInfo_String(track, "P_RAZOREDITS", bad, true) == false, bad)
  end
  assert(reaper.GetSetMediaTrackInfo_String(track, "P_RAZOREDITS", "", true))
  assert(reaper.GetSetMediaTrackInfo_String(reaper.GetMasterTrack(0), "P_RAZOREDITS", "", false) == false)
end)

kvhost.case("SplitMediaItem: the left keeps the handle, the right starts later in the source", function()
  local split_track = reaper.GetTrack(0, 1)
  local whole = reaper.AddMediaItemToTrack(split_track)
  local played = reaper.AddTakeToMediaItem(whole)
  reaper.SetMediaItemTakeInfo_Value(played, "D_PLAYRATE", 2)
  reaper.SetMediaItemTakeInfo_Value(played, "D_STARTOFFS", 1)
  reaper.SetMediaItemInfo_Value(whole, "D_POSITION", 10)
  reaper.SetMediaItemInfo_Value(whole, "D_LENGTH", 4)
  reaper.SetMediaItemInfo_Value(whole, "D_FADEINLEN", 0.5)
  reaper.SetMediaItemInfo_Value(whole, "D_FADEOUTLEN", 0.5)
  assert(reaper.SplitMediaItem(whole, 10) == nil and reaper.SplitMediaItem(whole, 14) == nil)
  local right = reaper.SplitMediaItem(whole, 11)
  assert(right and right ~= whole)
  assert(reaper.GetMediaItemInfo_Value(whole, "D_LENGTH") == 1 and reaper.GetMediaItemInfo_Value(right, "D_POSITION") == 11)
  assert(reaper.GetMediaItemInfo_Value(right, "D_LENGTH") == 3)
  assert(reaper.GetMediaItemInfo_Value(whole, "D_FADEOUTLEN") == 0 and reaper.GetMediaItemInfo_Value(right, "D_FADEINLEN") == 0)
  assert(reaper.GetMediaItemInfo_Value(right, "D_FADEOUTLEN") == 0.5)
  assert(reaper.GetMediaItemTakeInfo_Value(reaper.GetActiveTake(right), "D_STARTOFFS") == 3)
  assert(reaper.GetTrackMediaItem(split_track, 1) == right)
  assert(reaper.DeleteTrackMediaItem(track, right) == false, "not on that track")
  assert(reaper.DeleteTrackMediaItem(split_track, right) and not reaper.ValidatePtr2(0, right, "MediaItem*"))
end)
