# The kv_cobalt package inside a Python ReaScript: it takes REAPER's handle
# strings, confirmed by the host's ValidatePtr2 called by address (REAPER's
# RPR_ValidatePtr2 confirms none), and hands tracks back as strings that the
# RPR_ functions take.
from ctypes import c_byte, c_char_p, c_uint64

import kv_cobalt
from reaper_python import *
# kvhost's controls, as Lua tests have them in the kvhost table.
from reaper_python_core import _host

cobalt = kv_cobalt.Cobalt()  # the library kvhost loaded, found in UserPlugins
for index, depth in enumerate((1, 0, -1)):
  RPR_InsertTrackAtIndex(index, True)
  RPR_SetMediaTrackInfo_Value(RPR_GetTrack(None, index), "I_FOLDERDEPTH", depth)
tracks = [RPR_GetTrack(None, i) for i in range(3)]

assert cobalt.GetTrackItemList(None) == (True, tracks)
ok, children, count = cobalt.GetTrackItemChildList(tracks[0])
assert (ok, children, count) == (True, tracks[1:], 2), children
assert RPR_GetParentTrack(children[1]) == tracks[0]
assert RPR_GetTrackName(children[0], "", 512) == (1, children[0], "Track 2", 512)
ok, rows = cobalt.GetTrackDepthList(None)
assert rows == [{"Track": tracks[0], "Depth": 0}, {"Track": tracks[1], "Depth": 1}, {"Track": tracks[2], "Depth": 1}]

# A project and an item handle, and REAPER's null handle for the current project.
item = RPR_AddMediaItemToTrack(tracks[1])
take = RPR_AddTakeToMediaItem(item)
# A new source is in no project until a take holds it, so ValidatePtr refuses
# it to the RPR_ wrappers: it goes by address.
source = kv_cobalt.host_function("PCM_Source_CreateFromFile", c_uint64, c_char_p)(
    b"/usr/share/sounds/alsa/Front_Center.wav")
assert kv_cobalt.host_function("SetMediaItemTake_Source", c_byte, c_uint64, c_uint64)(
    cobalt.address(take, "MediaItem_Take*"), source)
RPR_SetMediaItemInfo_Value(item, "D_LENGTH", 0.25)
assert cobalt.GetTrackItemList(RPR_GetItemProjectContext(item)) == (True, tracks)
assert cobalt.GetTrackItemList("(ReaProject*)0x" + "0" * 16) == (True, tracks)
ok, peaks = cobalt.GetMediaItemPeakList(item)
assert ok and len(peaks) == 250, len(peaks)

# Addresses are taken too, confirmed the same way; handle_strings=False hands them back.
addresses = kv_cobalt.Cobalt(handle_strings=False)
assert addresses.GetTrackItemList(None) == (True, [cobalt.address(t, "MediaTrack*") for t in tracks])
assert addresses.GetMediaItemPeakList(cobalt.address(item, "MediaItem*")) == (True, peaks)
assert [cobalt.handle(a, "MediaTrack*") for a in addresses.GetTrackItemList(None)[1]] == tracks


def refused(value, error, function=cobalt.GetTrackItemChildList):
  try:
    function(value)
  except error as e:
    return str(e)
  raise AssertionError("%r was taken" % (value,))


assert "MediaItem* handle where a MediaTrack* is taken" in refused(item, TypeError)
refused(tracks[0], TypeError, cobalt.GetTrackItemList)
assert "upper-case hex digits" in refused(tracks[0].lower(), ValueError)
refused("(MediaTrack*)0x1234", ValueError)
refused(7, ValueError)
refused(7.0, TypeError)
deleted = cobalt.address(tracks[2], "MediaTrack*")
RPR_DeleteTrack(tracks[2])
assert "names no live MediaTrack*" in refused(tracks[2], ValueError)
refused(deleted, ValueError, addresses.GetTrackItemChildList)

# Arguments refused by name: the function, the argument and what it takes.
assert refused("1", TypeError, lambda i: cobalt.GetTrackIdChildList(None, i)) == \
    "GetTrackIdChildList(track_index): takes an int, not str '1'"
assert refused(5, TypeError, lambda t: cobalt.GetStringSplitList(t, ",")) == \
    "GetStringSplitList(text): takes a str or bytes, not int 5"
assert refused(item, TypeError).startswith("GetTrackItemChildList(track): ")

# A host without a function says which one, and who provides it.
for name, provider in (("ValidatePtr2", "REAPER recent enough"), ("NF_AnalyzeTakeLoudness2", "SWS installed")):
  _host.kvhost_hide_function(name.encode())
  try:
    kv_cobalt.Cobalt().GetTrackItemChildList(tracks[0]) if name == "ValidatePtr2" else \
        kv_cobalt.host_function(name, c_byte)
  except kv_cobalt.MissingFunctionError as e:
    assert str(e) == "REAPER offers no %s: is %s?" % (name, provider), e
  else:
    raise AssertionError("no error without " + name)
print("ok")
