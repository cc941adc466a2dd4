-- Reaching tracks by handle, by index and by index among the selected tracks,
-- counting, locating and deleting them, as scripts call these functions.

local tracks = kvhost.add_tracks(0, {0, 0, 0, 0})
local A, B, C, D = table.unpack(tracks)

assert(reaper.KV_GetTrackItemSelect(0, 2, 0) == C)
assert(reaper.KV_GetTrackItemSelect(0, 4, 0) == nil)
assert(reaper.KV_GetTrackItemSelect(0, -1, 0) == nil)
assert(reaper.KV_GetTrackItemSelect(0, 0, 2) == nil, "an unknown type addresses no track")
assert(reaper.KV_GetTrackItemSelect(0, 0, 1) == nil, "nothing selected yet")
local count, index, ok, position

-- no selected track: null and the index stays as the host passed it
kvhost.case("no selected track", function()
  local first
  first, index = reaper.KV_GetSelectedTrackFirstInfo(0)
  assert(first == nil and index == 0)
  reaper.SetTrackSelected(D, true)
  reaper.SetTrackSelected(B, true)
  first, index = reaper.KV_GetSelectedTrackFirstInfo(0)
  assert(first == B and index == 1)
  assert(reaper.KV_GetTrackItemSelect(0, 1, 1) == D)

  ok, position = reaper.KV_GetTrackItemIndex(C)
  assert(ok and position == 2)
  ok, position = reaper.KV_GetTrackItemIndex(kvhost.master_track(0))
  assert(not ok and position == 0, "the master track has no index")
  ok, position = reaper.KV_GetTrackItemIndex(nil)
  assert(not ok and position == 0)
end)

-- the master track counts among the selected only here
kvhost.case("the master track counts among the selected only here", function()
  reaper.SetTrackSelected(kvhost.master_track(0), true)
  ok, count = reaper.KV_GetTrackCountSelect(0, 0)
  assert(ok and count == 4)
  ok, count = reaper.KV_GetTrackCountSelect(0, 1)
  assert(ok and count == 3)
  ok, count = reaper.KV_GetTrackCountSelect(0, 2)
  assert(ok and count == 0)
  assert(reaper.KV_GetTrackItemSelect(0, 0, 1) == B, "the master is not a selected-index track")
  reaper.SetMediaTrackInfo_Value(B, "B_MUTE", 1)
  local _, muted = reaper.KV_GetSelectedTrackIdMute(0, 0)
  assert(muted == true, "selected index 0 is B, not the selected master")
end)

-- deleting by index, by selected index; unknown type or index deletes nothing
kvhost.case("deleting by index, by selected index; unknown type or index deletes nothing", function()
  assert(reaper.KV_DeleteTrackIdSelect(0, 0, 7) == false)
  assert(reaper.KV_DeleteTrackIdSelect(0, 9, 0) == false)
  assert(reaper.CountTracks(0) == 4)
  assert(reaper.KV_DeleteTrackIdSelect(0, 1, 1) == true)
  assert(reaper.CountTracks(0) == 3 and reaper.GetTrack(0, 2) == C)
  assert(reaper.KV_DeleteTrackIdSelect(0, 0, 0) == true)
  assert(reaper.GetTrack(0, 0) == B)
end)

-- the same in a project that is not the current one
kvhost.case("the same in a project that is not the current one", function()
  local other = kvhost.create_project()
  local X, Y = table.unpack(kvhost.add_tracks(other, {0, 0}))
  ok, position = reaper.KV_GetTrackItemIndex(Y)
  assert(ok and position == 1, "a track is found in its own project")
  assert(reaper.KV_GetTrackItemSelect(other, 0, 0) == X)
  ok, count = reaper.KV_GetTrackCountSelect(other, 0)
  assert(count == 2)
end)
