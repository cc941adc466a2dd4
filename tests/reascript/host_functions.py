# kvhost runs a Python ReaScript with REAPER's reaper_python conventions, and
# nowhere kinder than REAPER's module.
import os
import re
import sys


def raises(error, function, *arguments):
  try:
    function(*arguments)
  except error:
    return True
  return False


assert sys.argv[1:] == ["first", "second"], sys.argv

RPR_InsertTrackAtIndex(0, True)
RPR_InsertTrackAtIndex(1, True)
track = RPR_GetTrack(None, 0)
assert re.fullmatch(r"\(MediaTrack\*\)0x[0-9A-F]{16}", track), track
assert RPR_GetTrack(None, 0) == track
assert RPR_GetTrack(None, 9) == "(MediaTrack*)0x" + "0" * 16

# Strings go as UTF-8; buffers come back with every parameter after the result.
assert RPR_GetSetMediaTrackInfo_String(track, "P_NAME", "Grüße", True) == (1, track, "P_NAME", "Grüße", True)
assert RPR_GetTrackName(track, "", 512) == (1, track, "Grüße", 512)
assert RPR_GetTrackName(RPR_GetTrack(None, 1), "", 512) == (1, RPR_GetTrack(None, 1), "Track 2", 512)

# int*, double* and bool* outputs by reference.
assert RPR_ColorFromNative(0x102030, 0, 0, 0) == (0x102030, 0x10, 0x20, 0x30)
assert RPR_AddProjectMarker2(None, True, 1.0, 2.5, "Verse", 3, 0) == 3
assert RPR_CountProjectMarkers(None, 0, 0) == (1, None, 0, 1)
# A const char** comes back as the script passed it: the name cannot be read so.
assert RPR_EnumProjectMarkers3(None, 0, 0, 0, 0, "", 0, 0) == (1, None, 0, 1, 1.0, 2.5, "", 3, 0)
assert RPR_GetMediaTrackInfo_Value(track, "D_VOL") == 1.0

# A handle reaches the host only when it names the parameter's type and is live;
# RPR_ValidatePtr takes an integer address.
as_item = "(MediaItem*)" + track[len("(MediaTrack*)"):]
address = int(track[-16:], 16)
assert RPR_ValidatePtr(address, "MediaTrack*") == 1
assert RPR_ValidatePtr(address, "MediaItem*") == 0
assert raises(TypeError, RPR_ValidatePtr, track, "MediaTrack*")
assert RPR_GetTrackName(as_item, "", 512) == (0, as_item, "", 512)
assert RPR_GetTrackName(track.lower(), "", 512)[0] == 0
# Lower-case hex digits pass 0 also when the type name is right.
with_letters = [h for h in (track, RPR_GetTrack(None, 1)) if re.search("[A-F]", h[len("(MediaTrack*)0x"):])]
assert with_letters, "no hex letter in either track's address"
for handle in with_letters:
  assert RPR_GetTrackName(handle[:len("(MediaTrack*)0x")] + handle[len("(MediaTrack*)0x"):].lower(), "", 512)[0] == 0
assert RPR_GetTrackName(track + "\n", "", 512)[0] == 1  # one trailing newline is tolerated
assert RPR_GetTrackName(track + " ", "", 512)[0] == 0
# Eight digits or fewer leave no low half: ValueError, whatever the type named.
for short in ("(MediaTrack*)0x" + track[-8:], "(MediaItem*)0x1", "(MediaTrack*)0x"):
  assert raises(ValueError, RPR_GetTrackName, short, "", 512), short
# A void* parameter validates as "void*", which no object is: RPR_ValidatePtr2
# never confirms a handle string.
assert RPR_ValidatePtr2(None, track, "MediaTrack*") == 0
item = RPR_AddMediaItemToTrack(track)
assert re.fullmatch(r"\(MediaItem\*\)0x[0-9A-F]{16}", item), item
assert RPR_GetMediaItem_Track(item) == track
RPR_DeleteTrack(track)
assert RPR_ValidatePtr(address, "MediaTrack*") == 0
assert RPR_GetTrackName(track, "", 512) == (0, track, "", 512)
# A null const char* result is not checked for: AttributeError.
assert raises(AttributeError, RPR_GetTakeName, "(MediaItem_Take*)0x" + "0" * 16)

# The extension is loaded and registered as for Lua.
assert rpr_getfp("KV_GetTrackItemColor") != 0
assert raises(KeyError, rpr_getfp, "KV_NoSuchFunction")
plugins = RPR_GetResourcePath() + "/UserPlugins"
assert any(name.startswith("reaper_KELVARO_COBALT") for name in os.listdir(plugins)), os.listdir(plugins)
print("ok")
