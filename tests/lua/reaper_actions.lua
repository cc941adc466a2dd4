-- Actions by command ID on tracks, items, the cursor and the clipboard, and
-- the on/off state of options, run as ReaScripts run them.

local function positions(track)
  local out = {}
  for i = 0, reaper.CountTrackMediaItems(track) - 1 do
    local item = reaper.GetTrackMediaItem(track, i)
    out[#out + 1] = reaper.GetMediaItemInfo_Value(item, "D_POSITION") .. "+" ..
                        reaper.GetMediaItemInfo_Value(item, "D_LENGTH") ..
                        (reaper.IsMediaItemSelected(item) and "*" or "")
  end
  return table.concat(out, " ")
end

local function new_item(track, position, length)
  local item = reaper.AddMediaItemToTrack(track)
  reaper.AddTakeToMediaItem(item)
  reaper.SetMediaItemInfo_Value(item, "D_POSITION", position)
  reaper.SetMediaItemInfo_Value(item, "D_LENGTH", length)
  return item
end

local function track_names()
  local out = {}
  for i = 0, reaper.CountTracks(0) - 1 do
    out[#out + 1] = select(2, reaper.GetTrackName(reaper.GetTrack(0, i)))
  end
  return table.concat(out, ",")
end

local function named_tracks(...)
  kvhost.reset()
  local tracks = kvhost.add_tracks(0, {0, 0, 0})
  for i, name in ipairs({...}) do reaper.GetSetMediaTrackInfo_String(tracks[i], "P_NAME", name, true) end
  return tracks
end

kvhost.case("Track actions: insert after the last touched, step through, remove", function()
  local tracks = named_tracks("A", "B", "C")
  reaper.SetOnlyTrackSelected(tracks[2])
  reaper.Main_OnCommand(40914, 0) -- B becomes last touched
  reaper.Main_OnCommand(40001, 0)
  assert(track_names() == "A,B,Track 3,C", track_names())
  local inserted = reaper.GetTrack(0, 2)
  assert(reaper.CountSelectedTracks(0) == 1 and reaper.GetSelectedTrack(0, 0) == inserted)
  reaper.Main_OnCommand(40285, 0)
  assert(reaper.GetSelectedTrack(0, 0) == tracks[3] and reaper.CountSelectedTracks(0) == 1)
  reaper.Main_OnCommand(40285, 0)
  assert(reaper.GetSelectedTrack(0, 0) == tracks[3], "the last track stays")
  reaper.Main_OnCommand(40286, 0)
  reaper.Main_OnCommand(40286, 0)
  assert(reaper.GetSelectedTrack(0, 0) == tracks[2])
  -- Removing the last touched track forgets it: the next insert goes to the end.
  new_item(tracks[2], 0, 1)
  reaper.Main_OnCommand(40005, 0)
  assert(track_names() == "A,Track 2,C" and reaper.CountMediaItems(0) == 0, track_names())
  reaper.Main_OnCommand(40001, 0)
  assert(track_names() == "A,Track 2,C,Track 4", track_names())
  reaper.Main_OnCommand(40296, 0)
  assert(reaper.CountSelectedTracks(0) == 4 and reaper.CountSelectedTracks2(0, true) == 4, "not the master")
  reaper.Main_OnCommand(40297, 0)
  assert(reaper.CountSelectedTracks(0) == 0)
end)

kvhost.case("Item selection actions: all, none, on selected tracks, in groups", function()
  local tracks = named_tracks("A", "B", "C")
  local a1, a2 = new_item(tracks[1], 0, 1), new_item(tracks[1], 2, 1)
  local b1, c1 = new_item(tracks[2], 0, 1), new_item(tracks[3], 0, 1)
  reaper.Main_OnCommand(40182, 0)
  assert(reaper.CountSelectedMediaItems(0) == 4)
  reaper.Main_OnCommand(40289, 0)
  assert(reaper.CountSelectedMediaItems(0) == 0)
  reaper.SetMediaItemSelected(c1, true)
  reaper.SetOnlyTrackSelected(tracks[1])
  reaper.Main_OnCommand(40421, 0)
  assert(reaper.CountSelectedMediaItems(0) == 3 and reaper.IsMediaItemSelected(c1), "others stay selected")
  reaper.Main_OnCommand(40769, 0)
  assert(reaper.CountSelectedMediaItems(0) == 0 and reaper.CountSelectedTracks(0) == 0)
  reaper.SetMediaItemInfo_Value(a2, "I_GROUPID", 3)
  reaper.SetMediaItemInfo_Value(b1, "I_GROUPID", 3)
  reaper.SetMediaItemInfo_Value(a1, "I_GROUPID", 4)
  reaper.SetMediaItemSelected(a2, true)
  reaper.Main_OnCommand(40034, 0)
  assert(reaper.IsMediaItemSelected(b1) and not reaper.IsMediaItemSelected(a1) and reaper.CountSelectedMediaItems(0) == 2)
end)

kvhost.case("Editing actions: split at the cursor, time selection to items, remove items", function()
  local tracks = named_tracks("A", "B")
  local a1 = new_item(tracks[1], 1, 2)
  local b1 = new_item(tracks[2], 4, 1)
  reaper.SetMediaItemSelected(a1, true)
  reaper.SetMediaItemSelected(b1, true)
  reaper.Main_OnCommand(40290, 0)
  local start, finish = reaper.GetSet_LoopTimeRange(false, false, 0, 0, false)
  assert(start == 1 and finish == 5)
  reaper.SetEditCurPos(1.5, false, false)
  reaper.Main_OnCommand(40012, 0)
  assert(positions(tracks[1]) == "1.0+0.5* 1.5+1.5*" and positions(tracks[2]) == "4.0+1.0*", positions(tracks[1]))
  reaper.SetMediaItemSelected(a1, false)
  reaper.Main_OnCommand(40006, 0)
  assert(positions(tracks[1]) == "1.0+0.5" and positions(tracks[2]) == "", positions(tracks[1]))
  reaper.Main_OnCommand(40043, 0)
  assert(reaper.GetCursorPosition() == 1.5, "the end of the last item")
  reaper.Main_OnCommand(40042, 0)
  assert(reaper.GetCursorPosition() == 0)
end)

kvhost.case("Copy and paste: relative places kept, from the cursor on the selected track", function()
  local tracks = named_tracks("A", "B", "C")
  local a1 = new_item(tracks[1], 2, 1)
  local b1 = new_item(tracks[2], 3, 2)
  reaper.GetSetMediaItemInfo_String(a1, "P_NOTES", "first", true)
  reaper.SetMediaItemSelected(a1, true)
  reaper.SetMediaItemSelected(b1, true)
  reaper.Main_OnCommand(40698, 0)
  assert(reaper.CountMediaItems(0) == 2, "copying changes nothing")
  reaper.SetOnlyTrackSelected(tracks[2])
  reaper.SetEditCurPos(10, false, false)
  reaper.Main_OnCommand(42398, 0)
  assert(positions(tracks[2]) == "3.0+2.0 10.0+1.0*" and positions(tracks[3]) == "11.0+2.0*", positions(tracks[2]))
  assert(reaper.GetCursorPosition() == 13 and not reaper.IsMediaItemSelected(a1))
  local pasted = reaper.GetTrackMediaItem(tracks[2], 1)
  local _, notes = reaper.GetSetMediaItemInfo_String(pasted, "P_NOTES", "", false)
  local _, guid = reaper.GetSetMediaItemInfo_String(pasted, "GUID", "", false)
  local _, source_guid = reaper.GetSetMediaItemInfo_String(a1, "GUID", "", false)
  assert(notes == "first" and guid ~= source_guid)
end)

kvhost.case("Options toggle with their state; other actions have none", function()
  assert(reaper.GetToggleCommandState(1156) == 1 and reaper.GetToggleCommandStateEx(0, 41117) == 0)
  reaper.Main_OnCommand(1156, 0)
  reaper.Main_OnCommandEx(41117, 0, -1)
  assert(reaper.GetToggleCommandState(1156) == 0 and reaper.GetToggleCommandStateEx(100, 41117) == 1)
  assert(reaper.GetToggleCommandState(40001) == -1 and reaper.GetToggleCommandState(0) == -1)
  assert(reaper.SetToggleCommandState(0, 1156, 1) == false, "REAPER keeps its own actions' states")
  reaper.Main_OnCommand(40913, 0)
  reaper.Main_OnCommand(40047, 0)
end)

kvhost.case("Named commands: numbers, unknown names, native IDs", function()
  assert(reaper.NamedCommandLookup("41110") == 41110)
  assert(reaper.NamedCommandLookup("_SWS_ABOUT") == 0 and reaper.NamedCommandLookup("SWS_ABOUT") == 0)
  assert(reaper.NamedCommandLookup("") == 0 and reaper.NamedCommandLookup(nil) == 0)
  assert(reaper.ReverseNamedCommandLookup(40001) == nil)
end)
