-- reaper.GetTrackEnvelopeByName(tr, "Volume") in a comment is not a call
local s = "reaper.InsertTrackAtIndex(0, true)"
reaper.Main_OnCommand(41080, 0)
reaper.Main_OnCommandEx(40131, 0, 0)
local tr = reaper.GetTrack(0, 0)
reaper.TakeFX_AddByName(nil, "ReaEQ", 1)
reaper.BR_GetMediaItemGUID(nil)
reaper.JS_Window_Find("x", true)
reaper.ImGui_CreateContext("x")
reaper.defer(function() end)
