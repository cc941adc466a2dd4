-- Project utilities: markers and regions, dated folders, the recording path,
-- text files, random values and number formatting.
-- Run alone with: kvhost examples/project.lua

local function say(format, ...) reaper.ShowConsoleMsg(format:format(...) .. "\n") end

-- Regions and markers live in one list ordered by position.
reaper.AddProjectMarker2(0, false, 1.0, 0, "Cue", -1, 0)
local _, verse = reaper.KV_AddRegionMarker(0, 2.0, 10.0, "Verse", -1, 0x00FF00)
reaper.KV_AddRegionMarker(0, 10.0, 18.0, "Chorus", -1, 0x0000FF)
reaper.KV_SetRegionMarkerName(0, 1, "Verse 1")
say("Markers and regions:")
for i = 0, reaper.CountProjectMarkers(0) - 1 do
  local _, number = reaper.KV_GetRegionMarkerIndex(0, i)
  local _, name = reaper.KV_GetRegionMarkerName(0, i)
  local _, from, to = reaper.KV_GetRegionMarkerPosition(0, i)
  say("  %d: #%d %-8s %5.1f .. %5.1f", i, number, name, from, to)
end
say("Verse region number: %d", verse)
reaper.KV_DeleteAllRegion(0)
say("After deleting the regions: %d entry left", reaper.CountProjectMarkers(0))

-- A folder named after today inside the project folder, used for recording.
local ok, full, added = reaper.KV_SetProjectPathFolder("Takes", 1)
say("Dated folder: %s (%s) %s", added, ok and "created" or "not created", full)
local _, before, after = reaper.KV_SetProjectInfoRecAddPath(0, "Takes")
say("Recording path: '%s' -> '%s'", before, after)

-- Text files: write, append, read.
reaper.KV_WriteFile(full, "notes.txt", "first line\n", 0)
reaper.KV_WriteFile(full, "notes.txt", "second line\n", 2)
local _, text = reaper.KV_ReadFile(full, "notes.txt")
say("notes.txt holds %q", text)

local _, dice = reaper.KV_GetRandomNumInteger(1, 6)
local _, gain = reaper.KV_GetRandomNumDouble(-3, 3, 2)
local _, color, r, g, b = reaper.KV_GetRandomColor()
local _, take = reaper.KV_FormatNumDigit(7, 3)
say("Random: die %d, gain %.2f, colour rgb(%d, %d, %d); take number %s", dice, gain, r, g, b, take)
