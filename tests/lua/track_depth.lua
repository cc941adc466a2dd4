-- Reading a track's folder depth and moving a track to another depth.

local function depths(project)
  local result = {}
  for i = 0, reaper.CountTracks(project) - 1 do result[#result + 1] = reaper.GetTrackDepth(reaper.GetTrack(project, i)) end
  return table.concat(result, ",")
end

local project = kvhost.create_project()
local A, B, C = table.unpack(kvhost.add_tracks(project, {0, 0, 0}))

-- one level below the track before: accepted, and the following tracks move along
assert(reaper.KV_SetTrackIdDepth(project, 1, 1) == true)
assert(reaper.GetMediaTrackInfo_Value(A, "I_FOLDERDEPTH") == 1)
assert(depths(project) == "0,1,1")
-- two levels below: refused, nothing changes
assert(reaper.KV_SetTrackIdDepth(project, 2, 3) == false)
assert(depths(project) == "0,1,1")
-- the first track, a missing index: nothing to do
assert(reaper.KV_SetTrackIdDepth(project, 0, 3) == true)
assert(reaper.KV_SetTrackIdDepth(project, 3, 1) == true)
assert(reaper.KV_SetTrackIdDepth(project, -4, 1) == true)
assert(depths(project) == "0,1,1")
-- the handle form finds the track in its own project
assert(reaper.KV_SetTrackItemDepth(C, 0) == true)
assert(depths(project) == "0,1,0")
assert(reaper.GetMediaTrackInfo_Value(B, "I_FOLDERDEPTH") == -1)
assert(reaper.KV_SetTrackItemDepth(kvhost.master_track(project), 1) == true, "the master is not in the list")
assert(reaper.KV_SetTrackItemDepth(nil, 1) == false)
-- the selected form
reaper.SetTrackSelected(C, true)
assert(reaper.KV_SetSelectedTrackIdDepth(project, 0, 2) == true)
assert(depths(project) == "0,1,2")
assert(reaper.KV_SetSelectedTrackIdDepth(project, 1, 2) == true, "no such selected track")
assert(reaper.CountTracks(0) == 0, "the current project is untouched")

local ok, depth = reaper.KV_GetTrackItemDepth(C)
assert(ok and depth == 2)
ok, depth = reaper.KV_GetTrackIdDepth(project, 1)
assert(ok and depth == 1)
ok, depth = reaper.KV_GetSelectedTrackIdDepth(project, 0)
assert(ok and depth == 2)
ok, depth = reaper.KV_GetTrackIdDepth(project, 99)
assert(ok and depth == 0, "a missing index reads as depth 0")
ok = reaper.KV_GetTrackItemDepth(nil)
assert(ok == false)
