-- Tracks: build a small folder structure, then read and change track properties.
-- Run alone with: kvhost examples/tracks.lua

local function say(format, ...) reaper.ShowConsoleMsg(format:format(...) .. "\n") end

local function show_project()
  for i = 0, reaper.CountTracks(0) - 1 do
    local _, name = reaper.KV_GetTrackIdName(0, i)
    local _, depth = reaper.KV_GetTrackIdDepth(0, i)
    local _, volume = reaper.KV_GetTrackIdVolume(0, i)
    local _, muted = reaper.KV_GetTrackIdMute(0, i)
    say("  %d %s%-10s %6.2f dB%s", i, string.rep("  ", depth), name, volume, muted and "  (muted)" or "")
  end
end

-- "Drums" once only, however often the script runs.
local drums = reaper.KV_InsertTrackSearchUniqueOnly(0, "Drums")
reaper.KV_InsertTrackSearchUniqueOnly(0, "Drums")
reaper.KV_InsertTrackSearchUniqueOnly(0, "Bass")

-- Children go after the folder's last descendant; tracks after the folder stay outside.
for _, name in ipairs({"Kick", "Snare"}) do
  local child = reaper.KV_InsertChildTrack(drums)
  reaper.KV_SetTrackItemName(child, name)
end

reaper.KV_SetTrackIdVolume(0, 1, -6)           -- Kick at -6 dB
reaper.KV_SetTrackIdAddVolume(0, 1, 1.5)       -- ... then 1.5 dB louder
reaper.KV_SetTrackIdMute(0, 2, true)           -- Snare muted
reaper.KV_SetTrackIdRGB(0, 0, 200, 40, 40)     -- Drums in red
local _, color, r, g, b = reaper.KV_GetTrackIdColor(0, 0)
say("Tracks (index, name by depth, volume):")
show_project()
say("Drums colour: native 0x%X = rgb(%d, %d, %d)", color, r, g, b)

reaper.KV_SetTrackIdOnlySelected(0, 3)
local first, index = reaper.KV_GetSelectedTrackFirstInfo(0)
local _, first_name = reaper.KV_GetTrackItemName(first)
say("First selected track: %s at index %d", first_name, index)
local _, count = reaper.KV_GetTrackCountSelect(0, 0)
say("Track count: %d", count)
