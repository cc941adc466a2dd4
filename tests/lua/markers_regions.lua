-- Markers and regions, mixed in one list by position, read, changed and
-- deleted through the registered functions as a script writer calls them.

local function names()
  local list = {}
  local i = 0
  while true do
    local found, _, _, _, name = reaper.EnumProjectMarkers3(0, i)
    if found == 0 then return list end
    list[#list + 1] = name
    i = i + 1
  end
end

local ok, number = reaper.KV_AddRegionMarker(0, 4, 8, "verse", 3, 0x00FF00)
assert(ok and number == 3, number)
assert(reaper.AddProjectMarker2(0, false, 1, 0, "cue", -1, 0) == 1)
assert(reaper.AddProjectMarker2(0, false, 6, 0, "mid", -1, 0) == 2)
ok, number = reaper.KV_AddRegionMarker(0, 10, 12, "chorus", 3, 0)
assert(ok and number == 1, "a taken number gives another free one")
assert(table.concat(names(), ",") == "cue,verse,mid,chorus")
local color, count, index, markers, name, regions, start

-- getters address entries by enumeration index, markers and regions together
kvhost.case("getters address entries by enumeration index, markers and regions together", function()
  local finish
  ok, index = reaper.KV_GetRegionMarkerIndex(0, 1)
  assert(ok and index == 3)
  ok, start, finish = reaper.KV_GetRegionMarkerPosition(0, 1)
  assert(ok and start == 4 and finish == 8)
  ok, name = reaper.KV_GetRegionMarkerName(0, 1)
  assert(ok and name == "verse")
  ok, color = reaper.KV_GetRegionMarkerColor(0, 1)
  assert(ok and color == 0x100FF00, color)
  ok, index = reaper.KV_GetRegionMarkerIndex(0, 2)
  assert(ok and index == 2, "markers have their own numbers")
  ok, start, finish = reaper.KV_GetRegionMarkerPosition(0, 0)
  assert(ok and start == 1 and finish == 1)
end)

-- past the end and before the start nothing is found
kvhost.case("past the end and before the start nothing is found", function()
  for _, missing in ipairs({4, -1, 2147483647}) do
    assert(reaper.KV_GetRegionMarkerIndex(0, missing) == false)
    assert(reaper.KV_GetRegionMarkerPosition(0, missing) == false)
    local found, text = reaper.KV_GetRegionMarkerName(0, missing)
    assert(found == false and text == "")
    assert(reaper.KV_GetRegionMarkerColor(0, missing) == false)
    assert(reaper.KV_SetRegionMarkerName(0, missing, "nobody") == false)
    assert(reaper.KV_SetRegionMarkerColor(0, missing, 1) == false)
    assert(reaper.KV_SetRegionMarkerPosition(0, missing, 0, 1) == false)
  end
  count, markers, regions = reaper.CountProjectMarkers(0)
  assert(count == 4 and markers == 2 and regions == 2, "nothing was written for a missing entry")
  assert(table.concat(names(), ",") == "cue,verse,mid,chorus")
end)

-- setters change one attribute and keep the others
kvhost.case("setters change one attribute and keep the others", function()
  assert(reaper.KV_SetRegionMarkerName(0, 2, "middle"))
  assert(reaper.KV_SetRegionMarkerColor(0, 0, 0x123456))
  ok, color = reaper.KV_GetRegionMarkerColor(0, 0)
  assert(color == 0x1123456, color)
  ok, name = reaper.KV_GetRegionMarkerName(0, 0)
  assert(name == "cue")
  assert(reaper.KV_SetRegionMarkerPosition(0, 1, 11, 13))
  assert(table.concat(names(), ",") == "cue,middle,chorus,verse", "moved entries take their place by position")
  ok, color = reaper.KV_GetRegionMarkerColor(0, 3)
  ok, index = reaper.KV_GetRegionMarkerIndex(0, 3)
  assert(color == 0x100FF00 and index == 3)
end)

-- deleting every region leaves every marker, whatever the mix
kvhost.case("deleting every region leaves every marker, whatever the mix", function()
  assert(reaper.KV_DeleteAllRegion(0))
  count, markers, regions = reaper.CountProjectMarkers(0)
  assert(count == 2 and markers == 2 and regions == 0)
  assert(table.concat(names(), ",") == "cue,middle")
  ok, number = reaper.KV_AddRegionMarker(0, 0, 1, "again", 3, 0)
  assert(number == 3, "a freed number is free again")
end)

-- another project keeps its own list
kvhost.case("another project keeps its own list", function()
  local other = kvhost.create_project()
  reaper.KV_AddRegionMarker(other, 0, 2, "elsewhere", -1, 0)
  ok, name = reaper.KV_GetRegionMarkerName(other, 0)
  assert(ok and name == "elsewhere")
  assert(reaper.KV_DeleteAllRegion(other))
  assert(reaper.CountProjectMarkers(other) == 0)
  assert(reaper.CountProjectMarkers(0) == 3)
end)

-- nil where a text belongs reads as empty
kvhost.case("nil where a text belongs reads as empty", function()
  ok, number = reaper.KV_AddRegionMarker(0, 20, 21, nil, -1, 0)
  assert(ok and number >= 1)
end)
