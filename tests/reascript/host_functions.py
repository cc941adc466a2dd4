# kvhost runs a Python ReaScript with REAPER's reaper_python conventions.
import os
import re
import sys

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
assert RPR_EnumProjectMarkers3(None, 0, 0, 0, 0, "", 0, 0) == (1, None, 0, 1, 1.0, 2.5, "Verse", 3, 0)
assert RPR_GetMediaTrackInfo_Value(track, "D_VOL") == 1.0

# A handle reaches the host only when it names the parameter's type and is live.
as_item = "(MediaItem*)" + track[len("(MediaTrack*)"):]
assert RPR_ValidatePtr(track, "MediaTrack*") == 1
assert RPR_ValidatePtr(as_item, "MediaItem*") == 0
assert RPR_GetTrackName(as_item, "", 512) == (0, as_item, "", 512)
assert RPR_GetTrackName(track.lower(), "", 512)[0] == 0
item = RPR_AddMediaItemToTrack(track)
assert re.fullmatch(r"\(MediaItem\*\)0x[0-9A-F]{16}", item), item
assert RPR_GetMediaItem_Track(item) == track
RPR_DeleteTrack(track)
assert RPR_ValidatePtr(track, "MediaTrack*") == 0
assert RPR_GetTrackName(track, "", 512) == (0, track, "", 512)

# The extension is loaded and registered as for Lua.
assert rpr_getfp("KV_GetTrackItemColor") != 0
assert rpr_getfp("KV_NoSuchFunction") == 0
plugins = RPR_GetResourcePath() + "/UserPlugins"
assert any(name.startswith("reaper_KELVARO_COBALT") for name in os.listdir(plugins)), os.listdir(plugins)
print("ok")
