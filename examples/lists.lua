-- Lists: the library as a Lua module hands whole lists to a script at once.
-- Run alone with: kvhost examples/lists.lua

local function say(format, ...) reaper.ShowConsoleMsg(format:format(...) .. "\n") end

local plugins = reaper.GetResourcePath() .. "/UserPlugins"
package.cpath = plugins .. "/?.so;" .. package.cpath
package.path = plugins .. "/?.lua;" .. package.path
local cobalt = require("reaper_KELVARO_COBALT")

-- Drums (a folder of Kick and Snare), Bass
for _, name in ipairs({"Drums", "Kick", "Snare", "Bass"}) do
  reaper.InsertTrackAtIndex(reaper.CountTracks(0), false)
  reaper.GetSetMediaTrackInfo_String(reaper.GetTrack(0, reaper.CountTracks(0) - 1), "P_NAME", name, true)
end
reaper.SetMediaTrackInfo_Value(reaper.GetTrack(0, 0), "I_FOLDERDEPTH", 1)
reaper.SetMediaTrackInfo_Value(reaper.GetTrack(0, 2), "I_FOLDERDEPTH", -1)

local _, rows = cobalt.KV_GetTrackDepthList(0)
for i, row in ipairs(rows) do
  local _, name = reaper.GetTrackName(row.Track)
  say("%d %s%s", i, string.rep("  ", row.Depth), name)
end
local _, children, count = cobalt.KV_GetTrackIdChildList(0, 0)
say("Drums holds %d tracks", count)
local _, found = cobalt.KV_GetIncludePerfectTrackNameList(0, "s")
say("%d track names contain an s", #found)

-- One millisecond peaks of a recording, in dB.
local item = reaper.AddMediaItemToTrack(reaper.GetTrack(0, 3))
local take = reaper.AddTakeToMediaItem(item)
reaper.SetMediaItemTake_Source(take, reaper.PCM_Source_CreateFromFile("/usr/share/sounds/alsa/Front_Center.wav"))
reaper.SetMediaItemInfo_Value(item, "D_LENGTH", 1.4)
local _, peaks = cobalt.KV_GetMediaItemPeakList(item)
local loudest = peaks[1]
for _, peak in ipairs(peaks) do
  if peak.MaxPeak > loudest.MaxPeak then loudest = peak end
end
say("%d peaks; the loudest, %.1f dB, at %.3f s", #peaks, loudest.MaxPeak, loudest.Time)

local _, words = cobalt.KV_GetStringSplitList("kick;snare;bass", ";")
say("split: %s", table.concat(words, ", "))
