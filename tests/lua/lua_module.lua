-- The library as a Lua module: require gives the list functions, also as the
-- global KV_COBALT, and every function answers with a boolean and plain tables.

local plugins = reaper.GetResourcePath() .. "/UserPlugins"
package.cpath = plugins .. "/?.so;" .. package.cpath
-- This host keeps its Lua to itself, as REAPER does: the C module alone opens
-- to nothing, and the console says to put the folder on package.path too.
local open = assert(package.loadlib(plugins .. "/reaper_KELVARO_COBALT.so", "luaopen_reaper_KELVARO_COBALT"))
assert(select("#", open()) == 0 and KV_COBALT == nil)
assert(kvhost.console():find('package.path = reaper.GetResourcePath() .. "/UserPlugins/?.lua;" .. package.path', 1, true))
package.path = plugins .. "/?.lua;" .. package.path
local module = require("reaper_KELVARO_COBALT")
assert(module == KV_COBALT, "the global and the result are one table")
local names = {}
for name, f in pairs(module) do
  assert(type(f) == "function")
  names[#names + 1] = name
end
table.sort(names)
assert(table.concat(names, " ") == "KV_GetFilePathList KV_GetIncludePerfectTrackNameList KV_GetMediaIdPeakList "
  .. "KV_GetMediaItemPeakList KV_GetSamePerfectTrackNameList KV_GetSelectedMediaIdPeakList "
  .. "KV_GetSelectedTrackIdChildList KV_GetStringSplitList KV_GetTrackDepthList KV_GetTrackIdChildList "
  .. "KV_GetTrackItemChildList KV_GetTrackItemList KV_GetUserInputList", table.concat(names, " "))
local M = module

local function keys(t)
  local found = {}
  for k in pairs(t) do found[#found + 1] = k end
  table.sort(found)
  return table.concat(found, ",")
end
local count, files, ok, parts, project, rows, tracks

-- A, B (folder of C, D (folder of E)), F
kvhost.case("A, B (folder of C, D (folder of E)), F", function()
  project = kvhost.create_project()
  local A, B, C, D, E, F = table.unpack(kvhost.add_tracks(project, {0, 1, 0, 1, -2, 0}))
  for track, name in pairs({[A] = "Bass", [B] = "bass", [C] = "Slap BASS 2", [D] = "Bass 2", [E] = "Bass"}) do
    reaper.GetSetMediaTrackInfo_String(track, "P_NAME", name, true)
  end

  ok, tracks = M.KV_GetTrackItemList(project)
  assert(ok and #tracks == 6 and tracks[1] == A and tracks[6] == F)

  ok, tracks, count = M.KV_GetTrackItemChildList(B)
  assert(ok and count == 2 and tracks[1] == C and tracks[2] == D and tracks[3] == nil, "direct children only")
  ok, tracks, count = M.KV_GetTrackItemChildList(A)
  assert(ok == true and next(tracks) == nil and count == 0)
  ok, tracks, count = M.KV_GetTrackIdChildList(project, 3)
  assert(ok and count == 1 and tracks[1] == E)
  ok, tracks, count = M.KV_GetTrackIdChildList(project, "1")
  assert(count == 2 and tracks[2] == D, "a numeric text reads as the index")
  ok, tracks, count = M.KV_GetTrackIdChildList(project, 1.5)
  assert(ok and count == 0 and next(tracks) == nil, "1.5 reads 0: the first track, without children")
  ok, tracks, count = M.KV_GetTrackIdChildList(project, 99)
  assert(count == 3 and tracks[2] == B)

  reaper.SetTrackSelected(D, true)
  ok, tracks = M.KV_GetSelectedTrackIdChildList(project, 0)
  assert(ok and #tracks == 1 and tracks[1] == E)
  ok, tracks = M.KV_GetSelectedTrackIdChildList(project, 1)
  assert(ok and #tracks == 3, "no selected track: the top level")
  reaper.SetTrackSelected(D, false)
  reaper.SetTrackSelected(F, true)
  ok, tracks = M.KV_GetSelectedTrackIdChildList(project, 0)
  assert(ok == false and next(tracks) == nil)

  ok, rows = M.KV_GetTrackDepthList(project)
  assert(ok and #rows == 6)
  local depths = {}
  for i, row in ipairs(rows) do
    assert(keys(row) == "Depth,Track", keys(row))
    assert(row.Track == tracks[i] or row.Track == select(2, M.KV_GetTrackItemList(project))[i])
    depths[i] = row.Depth
  end
  assert(table.concat(depths, ",") == "0,0,1,1,2,0")
  ok, rows = M.KV_GetTrackDepthList(kvhost.create_project())
  assert(ok == false and next(rows) == nil)

  ok, rows = M.KV_GetSamePerfectTrackNameList(project, "Bass")
  assert(ok and #rows == 2 and rows[1].Track == A and rows[1].Index == 0 and rows[2].Track == E and rows[2].Index == 4)
  assert(keys(rows[1]) == "Index,Track")
  ok, rows = M.KV_GetSamePerfectTrackNameList(project, "Organ")
  assert(ok == false and next(rows) == nil)
  ok, rows = M.KV_GetIncludePerfectTrackNameList(project, "bass")
  assert(ok and #rows == 5 and rows[5].Index == 4)
  ok, rows = M.KV_GetIncludePerfectTrackNameList(project, "")
  assert(ok and #rows == 6, "an empty text is in every name")
  ok, rows = M.KV_GetIncludePerfectTrackNameList(project, 2)
  assert(ok and #rows == 2, "a number reads as its text")
end)

-- Strings and user inputs
kvhost.case("Strings and user inputs", function()
  ok, parts = M.KV_GetStringSplitList("a;b,,c,", ",;")
  assert(ok and #parts == 4 and parts[1] == "a" and parts[3] == "" and parts[4] == "c")
  ok, parts = M.KV_GetStringSplitList("", ",")
  assert(ok and next(parts) == nil)
  kvhost.queue_user_inputs_answer(true, "1,2")
  ok, parts = M.KV_GetUserInputList("Title", 2, "first,second", "x,y")
  assert(ok and #parts == 2 and parts[1] == "1" and parts[2] == "2")
  kvhost.queue_user_inputs_answer(false)
  ok, parts = M.KV_GetUserInputList("Title", 2, "first,second", "x,y")
  assert(ok == false and #parts == 2 and parts[1] == "x", "a cancelled dialog: the defaults, and false")
  kvhost.queue_user_inputs_answer(false)
  ok, parts = M.KV_GetUserInputList("Title", 1, "only", string.rep("d", 2000))
  assert(ok == false and #parts == 1 and parts[1] == string.rep("d", 1023), "defaults are kept up to 1,023 bytes")
  kvhost.queue_user_inputs_answer(true, string.rep("a", 900))
  ok, parts = M.KV_GetUserInputList("Title", 1, "only", "x")
  assert(ok and #parts == 1 and parts[1] == string.rep("a", 900), "a long answer comes back whole")
end)

-- Files
kvhost.case("Files", function()
  local folder = os.tmpname()
  os.remove(folder)
  assert(os.execute("mkdir -p '" .. folder .. "/sub/z.wav'"))
  for _, name in ipairs({"x.wav", "sub/y.Wav", "sub/notes.txt"}) do
    local file = assert(io.open(folder .. "/" .. name, "w"))
    file:write("data")
    file:close()
  end
  ok, files = M.KV_GetFilePathList(folder, "WAV")
  table.sort(files)
  assert(ok and #files == 3, #files)
  assert(files[1] == folder .. "/sub/y.Wav" and files[2] == folder .. "/sub/z.wav" and files[3] == folder .. "/x.wav")
  ok, files = M.KV_GetFilePathList(folder, ".wav")
  assert(ok and next(files) == nil)
  ok, files = M.KV_GetFilePathList(folder .. "/missing", "wav")
  assert(ok == false and next(files) == nil)
  os.execute("rm -rf '" .. folder .. "'")
end)

-- Wrong argument types never raise: handles that are no light userdata read
kvhost.case("Wrong argument types never raise", function()
  -- as null, texts that are no text read empty, integers Lua cannot convert read 0.
  ok, tracks, count = M.KV_GetTrackItemChildList({})
  assert(ok and count == 0, "a table is no track")
  ok, tracks, count = M.KV_GetTrackItemChildList(print)
  assert(ok and count == 0)
  ok, tracks, count = M.KV_GetTrackItemChildList(io.stdout)
  assert(ok and count == 0, "a full userdata is no track")
  kvhost.add_tracks(nil, {0, 0})
  ok, tracks = M.KV_GetTrackItemList({})
  assert(ok and #tracks == 2, "a table reads as null: the current project")
  ok, rows = M.KV_GetSamePerfectTrackNameList(project, {})
  assert(ok == false)
  ok, parts = M.KV_GetStringSplitList({}, true)
  assert(ok and next(parts) == nil)
  ok, parts = M.KV_GetStringSplitList("a,b", {})
  assert(ok and #parts == 1 and parts[1] == "a,b", "no delimiters: the whole text")
  ok, tracks, count = M.KV_GetTrackIdChildList(project, "two")
  assert(ok and count == 0, "an unconvertible index reads 0: the first track, without children")
  ok, parts = M.KV_GetUserInputList()
  assert(ok == false)
  ok, files = M.KV_GetFilePathList()
  assert(ok == false and next(files) == nil)
end)

-- Peak lists of a real recording: one record per millisecond with Time,
kvhost.case("Peak lists of a real recording", function()
  -- MaxPeak and MinPeak only.
  kvhost.reset()
  local track = kvhost.add_tracks(nil, {0})[1]
  local item = reaper.AddMediaItemToTrack(track)
  local take = reaper.AddTakeToMediaItem(item)
  assert(reaper.SetMediaItemTake_Source(take, reaper.PCM_Source_CreateFromFile("/usr/share/sounds/alsa/Front_Center.wav")))
  reaper.SetMediaItemInfo_Value(item, "D_POSITION", 2.0)
  reaper.SetMediaItemInfo_Value(item, "D_LENGTH", 1.2)
  local peaks
  ok, peaks = M.KV_GetMediaItemPeakList(item)
  assert(ok and #peaks == 1200, #peaks)
  assert(keys(peaks[1]) == "MaxPeak,MinPeak,Time" and peaks[1].Time == 0 and math.abs(peaks[1200].Time - 1.199) < 1e-12)
  local loudest = -80
  for _, peak in ipairs(peaks) do
    assert(peak.MaxPeak >= -80 and peak.MaxPeak <= 0 and peak.MinPeak >= -80)
    loudest = math.max(loudest, peak.MaxPeak)
  end
  assert(loudest > -20, "speech is heard")
  ok, peaks = M.KV_GetMediaIdPeakList(nil, 0)
  assert(ok and #peaks == 1200)
  ok, peaks = M.KV_GetSelectedMediaIdPeakList(nil, 0)
  assert(ok == false and next(peaks) == nil, "no item selected")
  reaper.SetMediaItemSelected(item, true)
  ok, peaks = M.KV_GetSelectedMediaIdPeakList(nil, 0)
  assert(ok and #peaks == 1200)
  ok, peaks = M.KV_GetMediaItemPeakList(take)
  assert(ok == false and next(peaks) == nil, "a take is no item")
  -- An index beyond 32 bits addresses nothing; it never wraps to index 0.
  assert(M.KV_GetMediaIdPeakList(nil, 0) == true)
  for _, index in ipairs({1 << 32, (1 << 32) + 1, -(1 << 32), math.maxinteger}) do
    ok, peaks = M.KV_GetMediaIdPeakList(nil, index)
    assert(ok == false and next(peaks) == nil, index)
  end
end)

-- The Lua file's own reads refuse positions outside the last list, and
-- every read of a list that is not the last.
kvhost.case("The Lua file's own reads refuse positions outside the last list.", function()
  project = kvhost.create_project()
  local track = kvhost.add_tracks(project, {0})[1]
  local _, first, handles = reaper.KV_COBALT_GetTrackItemList(project)
  assert(handles == 1 and reaper.KV_COBALT_ListTrack(first, 0) == track)
  local _, last = reaper.KV_COBALT_GetStringSplitList("a,b", ",")
  assert(last ~= first and reaper.KV_COBALT_ListText(last, 0) == true)
  assert(reaper.KV_COBALT_ListTrack(first, 0) == nil and reaper.KV_COBALT_ListText(first, 0) == false)
  assert(reaper.KV_COBALT_ListText(last, -1) == false and reaper.KV_COBALT_ListText(last, 1 << 30) == false)
  assert(reaper.KV_COBALT_ListTrack(last, -1) == nil and reaper.KV_COBALT_ListTrack(last, 0) == nil)
  assert(reaper.KV_COBALT_ListText(0, 0) == false)
end)

-- A list call that comes while the Lua file still reads another (here from
-- a debug hook, at every call the reading makes) never hands the first list
-- another's handles or bytes: the first comes back right or raises.
local function interrupted_everywhere()
  project = kvhost.create_project()
  tracks = kvhost.add_tracks(project, {1, 0, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})
  local raised = 0
  local n = 0
  while true do
    n = n + 1
    local calls, inner = 0, nil
    debug.sethook(function()
      calls = calls + 1
      if calls == n then inner = table.pack(M.KV_GetStringSplitList("x,y", ",")) end
    end, "c")
    local outcome = table.pack(pcall(M.KV_GetTrackDepthList, project))
    debug.sethook()
    if not inner then break end
    assert(inner[1] and inner[2][1] == "x" and inner[2][2] == "y" and inner[2][3] == nil, n)
    if outcome[1] then
      rows = outcome[3]
      assert(outcome[2] and #rows == #tracks, n)
      for i, row in ipairs(rows) do
        assert(row.Track == tracks[i] and row.Depth == reaper.GetTrackDepth(tracks[i]), n)
      end
    else
      assert(tostring(outcome[2]):find("another list call replaced this list while it was read", 1, true), outcome[2])
      raised = raised + 1
    end
  end
  assert(raised > 0, "a list call came between a list and its reads")
end
kvhost.case("A list call while the Lua file reads another", function()
  interrupted_everywhere()
  -- again where the list's bytes come in pieces
  kvhost.hide_function("realloc_cmd_ptr")
  kvhost.unload_extension()
  assert(kvhost.load_extension() == 1)
  package.loaded.reaper_KELVARO_COBALT = nil
  package.path = reaper.GetResourcePath() .. "/UserPlugins/?.lua;" .. package.path
  M = require("reaper_KELVARO_COBALT")
  local _, _, _, size, bytes = reaper.KV_COBALT_GetTrackDepthList(project)
  assert(#bytes < size, "in pieces")
  interrupted_everywhere()
  kvhost.show_all_functions()
  kvhost.unload_extension()
  assert(kvhost.load_extension() == 1)
end)
