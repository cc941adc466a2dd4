-- Inserting tracks at a position, as the last child of a folder, and only
-- when the name is new; in the current project and in another one.

local function snapshot(project)
  local rows = {}
  for i = 0, reaper.CountTracks(project) - 1 do
    local track = reaper.GetTrack(project, i)
    rows[#rows + 1] = {track = track, depth = reaper.GetTrackDepth(track), parent = reaper.GetParentTrack(track)}
  end
  return rows
end

local function children(project, parent)
  local result = {}
  for _, row in ipairs(snapshot(project)) do
    if row.parent == parent then result[#result + 1] = row.track end
  end
  return result
end
local other

-- Builds the project from folder-depth changes, inserts a child of the track at
kvhost.case("Builds the project from folder-depth changes, inserts a child of the track at", function()
  -- parent_position (1-based) and checks that only the parent gained a last child.
  local function check_child_insertion(project, folder_depths, parent_position, expected_index)
    local tracks = kvhost.add_tracks(project, folder_depths)
    local parent = tracks[parent_position]
    local before = snapshot(project)
    local old_children = children(project, parent)
    local current_count = reaper.CountTracks(0)

    local new, index = reaper.KV_InsertChildTrack(parent)
    local shape = table.concat(folder_depths, ",")
    assert(new ~= nil and index == expected_index, shape .. ": index " .. tostring(index))
    assert(reaper.GetTrack(project, index) == new, shape)
    assert(reaper.GetParentTrack(new) == parent, shape)
    assert(reaper.GetTrackDepth(new) == reaper.GetTrackDepth(parent) + 1, shape)
    for _, row in ipairs(before) do
      assert(reaper.GetTrackDepth(row.track) == row.depth, shape .. ": a depth changed")
      assert(reaper.GetParentTrack(row.track) == row.parent, shape .. ": a parent changed")
    end
    local now = children(project, parent)
    assert(#now == #old_children + 1 and now[#now] == new, shape)
    for i, child in ipairs(old_children) do assert(now[i] == child, shape) end
    if project ~= 0 then assert(reaper.CountTracks(0) == current_count, shape .. ": inserted into the current project") end
  end

  for _, project_kind in ipairs({"current", "other"}) do
    local function fresh()
      if project_kind == "current" then
        kvhost.reset()
        return 0
      end
      return kvhost.create_project()
    end
    -- first child: P X
    check_child_insertion(fresh(), {0, 0}, 1, 1)
    -- the parent is the last track
    check_child_insertion(fresh(), {0, 0}, 2, 2)
    -- after the last child: P{C1 C2} X
    check_child_insertion(fresh(), {1, 0, -1, 0}, 1, 3)
    -- the last child is itself a folder: P{C1 F{G1 G2}} X
    check_child_insertion(fresh(), {1, 0, 1, 0, -2, 0}, 1, 5)
    -- a folder inside a folder, followed by more tracks: T{P{C1} Q} X
    check_child_insertion(fresh(), {1, 1, -1, -1, 0}, 2, 3)
    -- a childless track closing two folders: T{S{P}} X
    check_child_insertion(fresh(), {1, 1, -2, 0}, 3, 3)
    -- the last child is a folder that ends the project: P{C1 F{G1}}
    check_child_insertion(fresh(), {1, 0, 1, -2}, 1, 4)
  end
end)

-- no parent, the master track: nothing is inserted
kvhost.case("no parent, the master track", function()
  kvhost.reset()
  kvhost.add_tracks(0, {0, 0})
  assert(reaper.KV_InsertChildTrack(nil) == nil)
  assert(reaper.KV_InsertChildTrack(kvhost.master_track(0)) == nil)
  assert(reaper.CountTracks(0) == 2 and reaper.GetMediaTrackInfo_Value(reaper.GetTrack(0, 0), "I_FOLDERDEPTH") == 0)
end)

-- at a position: the host clamps it into the list, and the result follows
kvhost.case("at a position", function()
  kvhost.reset()
  kvhost.add_tracks(0, {0, 0, 0})
  local appended = reaper.KV_InsertTrackId(0, 10)
  assert(appended ~= nil and appended == reaper.GetTrack(0, 3))
  assert(reaper.KV_InsertTrackId(0, 5) == reaper.GetTrack(0, 4))
  local front = reaper.KV_InsertTrackId(0, -3)
  assert(front ~= nil and front == reaper.GetTrack(0, 0), "a negative position inserts at the front")
  assert(reaper.KV_InsertTrackId(0, 2) == reaper.GetTrack(0, 2))
  assert(reaper.CountTracks(0) == 7)
  other = kvhost.create_project()
  local inserted = reaper.KV_InsertTrackId(other, 0)
  assert(inserted == reaper.GetTrack(other, 0) and reaper.CountTracks(0) == 7, "inserted into the project given")
end)

-- a host without InsertTrackInProject: only the current project can gain a track
kvhost.case("a host without InsertTrackInProject", function()
  kvhost.hide_function("InsertTrackInProject")
  kvhost.load_extension()
  assert(reaper.KV_InsertTrackId(0, 0) == reaper.GetTrack(0, 0) and reaper.CountTracks(0) == 8)
  assert(reaper.KV_InsertTrackId(other, 1) == nil, "no track of another project is handed out")
  assert(reaper.CountTracks(other) == 1)
  local P = reaper.GetTrack(other, 0)
  assert(reaper.KV_InsertChildTrack(P) == nil)
  assert(reaper.GetMediaTrackInfo_Value(P, "I_FOLDERDEPTH") == 0, "no folder is made without its child")
  kvhost.show_all_functions()
  kvhost.load_extension()
end)

-- only when the name is new
kvhost.case("only when the name is new", function()
  kvhost.reset()
  local ok_track, index = reaper.KV_InsertTrackSearchUniqueOnly(0, "Vocal")
  assert(ok_track == reaper.GetTrack(0, 0) and index == 0, "an empty project gains the track")
  local _, name = reaper.GetTrackName(ok_track)
  assert(name == "Vocal")
  kvhost.add_tracks(0, {0, 0, 0})
  reaper.GetSetMediaTrackInfo_String(reaper.GetTrack(0, 1), "P_NAME", "Bass", true)
  reaper.GetSetMediaTrackInfo_String(reaper.GetTrack(0, 3), "P_NAME", "Bass", true)
  local found
  found, index = reaper.KV_InsertTrackSearchUniqueOnly(0, "Bass")
  assert(found == reaper.GetTrack(0, 1) and index == 1 and reaper.CountTracks(0) == 4)
  found, index = reaper.KV_InsertTrackSearchUniqueOnly(0, "Track 3")
  assert(found == reaper.GetTrack(0, 2) and index == 2, "default names take part")
  found, index = reaper.KV_InsertTrackSearchUniqueOnly(0, "bass")
  assert(found == reaper.GetTrack(0, 4) and index == 4, "letter case matters")
  _, name = reaper.GetTrackName(found)
  assert(name == "bass")
  other = kvhost.create_project()
  found, index = reaper.KV_InsertTrackSearchUniqueOnly(other, "Bass")
  assert(found == reaper.GetTrack(other, 0) and index == 0 and reaper.CountTracks(0) == 5)
end)
