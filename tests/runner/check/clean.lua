local track = reaper.GetTrack(0, 0)
reaper.defer(function() reaper.ShowConsoleMsg("ok") end)
