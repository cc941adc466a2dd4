-- A host that lacks a function the extension imports: the operations that
-- need it fail cleanly instead of calling through a null slot.

local function reload_without(name)
  kvhost.show_all_functions()
  if name then kvhost.hide_function(name) end
  kvhost.unload_extension()
  assert(kvhost.load_extension() == 1)
end

kvhost.add_tracks(0, {0, 0})

reload_without("GetTrack")
local stopped = kvhost.stopped_exceptions()
local ok, muted = reaper.KV_GetTrackIdMute(0, 0)
assert(ok == false and muted == false)
-- The false is explained to the host, the script sees only the false.
local now, last = kvhost.stopped_exceptions()
assert(now == stopped + 1 and last == "KV_GetTrackIdMute: GetTrack", last)
assert(reaper.KV_GetTrackItemSelect(0, 0, 0) == nil)
assert(reaper.KV_CheckSameString("a", "A"), "functions that need nothing missing still work")
assert(kvhost.stopped_exceptions() == stopped + 2, "a result without a fault records nothing")
-- The list functions the module's Lua file calls are guarded alike.
assert(reaper.KV_COBALT_GetTrackItemList(0) == false)
now, last = kvhost.stopped_exceptions()
assert(now == stopped + 3 and last == "KV_COBALT_GetTrackItemList: GetTrack", last)

-- Without InsertTrackInProject insertion falls back to the current project only.
reload_without("InsertTrackInProject")
local inserted = reaper.KV_InsertTrackId(0, 0)
assert(inserted ~= nil and reaper.CountTracks(0) == 3)
local other = kvhost.create_project()
assert(reaper.KV_InsertTrackId(other, 0) == nil, "no track of the wrong project is returned")
assert(reaper.CountTracks(other) == 0)
-- A foreign project is refused without a stray track in the current one.
kvhost.add_tracks(other, {1, -1})
local foreign_parent = reaper.GetTrack(other, 0)
assert(reaper.KV_InsertChildTrack(foreign_parent) == nil)
assert(reaper.KV_InsertTrackSearchUniqueOnly(other, "new") == nil)
assert(reaper.KV_InsertTrackId(other, 1) == nil)
assert(reaper.CountTracks(0) == 3 and reaper.CountTracks(other) == 2, "no project changed")
-- The current project named by its own handle still takes the fallback.
local current = kvhost.current_project()
assert(reaper.KV_InsertTrackId(current, 0) ~= nil and reaper.CountTracks(0) == 4)

reload_without(nil)
assert(reaper.KV_InsertTrackId(other, 0) ~= nil and reaper.CountTracks(other) == 3)
