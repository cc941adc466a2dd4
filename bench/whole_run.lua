-- A script writer's whole kvhost run: a fixture of 50 tracks holding 200
-- items, built with REAPER's calls, then a script of 100 calls, checked.
for index = 0, 49 do
  reaper.InsertTrackAtIndex(index, true)
  local track = reaper.GetTrack(0, index)
  reaper.GetSetMediaTrackInfo_String(track, "P_NAME", "Track " .. index, true)
  for slot = 0, 3 do
    local item = reaper.AddMediaItemToTrack(track)
    reaper.SetMediaItemInfo_Value(item, "D_POSITION", slot * 2)
    reaper.SetMediaItemInfo_Value(item, "D_LENGTH", 1.5)
  end
end
assert(reaper.CountTracks(0) == 50 and reaper.CountMediaItems(0) == 200)

-- The script: 20 rounds of 5 calls, 100 in all.
for index = 0, 19 do
  local track = reaper.GetTrack(0, index)
  local item = reaper.GetTrackMediaItem(track, index % 4)
  local position = reaper.GetMediaItemInfo_Value(item, "D_POSITION")
  reaper.SetMediaItemInfo_Value(item, "D_POSITION", position + 0.25)
  reaper.KV_SetTrackIdMute(0, index, true)
end
local _, muted = reaper.KV_GetTrackIdMute(0, 19)
assert(muted and reaper.GetMediaItemInfo_Value(reaper.GetTrackMediaItem(reaper.GetTrack(0, 19), 3), "D_POSITION") == 6.25)
