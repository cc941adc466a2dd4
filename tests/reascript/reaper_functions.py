# REAPER's state functions and actions in their RPR_ forms: bool results as
# 1/0, outputs in the returned tuple, void functions with outputs returning
# the tuple alone.

def raises(error, function, *arguments):
  try:
    function(*arguments)
  except error:
    return True
  return False


assert RPR_SetExtState("Py Script", "Key", "value", False) is None
assert RPR_GetExtState("py script", "KEY") == "value"
assert RPR_HasExtState("Py Script", "key") == 1 and RPR_HasExtState("Py Script", "other") == 0

assert RPR_SetProjExtState(0, "PyExt", "k", "v") == 1
assert RPR_GetProjExtState(0, "pyext", "K", "", 64) == (1, 0, "pyext", "K", "v", 64)
assert RPR_EnumProjExtState(-1, "PYEXT", 0, "", 64, "", 64) == (1, -1, "PYEXT", 0, "k", 64, "v", 64)
assert RPR_EnumProjExtState(0, "PyExt", 1, "", 64, "", 64)[0] == 0

assert RPR_GetSet_LoopTimeRange2(0, True, False, 1.0, 4.0, False) == (0, True, False, 1.0, 4.0, False)
assert RPR_GetSet_LoopTimeRange(False, False, 0, 0, False) == (False, False, 1.0, 4.0, False)
RPR_SetEditCurPos(2.0, False, False)
assert RPR_GetCursorPosition() == 2.0

RPR_Main_OnCommand(40001, 0)
RPR_Main_OnCommandEx(40001, 0, 0)
assert RPR_CountTracks(0) == 2 and RPR_CountSelectedTracks(0) == 1
track = RPR_GetSelectedTrack2(0, 0, False)
assert track == RPR_GetTrack(0, 1)
assert RPR_GetToggleCommandState(1156) == 1 and RPR_NamedCommandLookup("_NOTHING_HERE") == 0
assert raises(AttributeError, RPR_ReverseNamedCommandLookup, 40001)
assert RPR_SetToggleCommandState(0, 40001, 1) == 0

item = RPR_AddMediaItemToTrack(track)
RPR_SetMediaItemInfo_Value(item, "D_LENGTH", 2.0)
assert RPR_GetMediaItemTrack(item) == track
assert RPR_GetSetMediaItemInfo_String(item, "P_NOTES", "hi", True) == (1, item, "P_NOTES", "hi", True)
assert RPR_GetSetMediaItemInfo_String(item, "P_NOTES", "", False) == (1, item, "P_NOTES", "hi", False)
assert RPR_GetSetMediaItemInfo_String(item, "P_EXT:none", "", False)[0] == 0
right = RPR_SplitMediaItem(item, 1.5)
assert right.startswith("(MediaItem*)0x") and right != item and RPR_CountMediaItems(0) == 2

assert RPR_GetProjectName(0, "", 512) == (0, "", 512)
project, index, name, size = RPR_EnumProjects(-1, "", 512)
assert project.startswith("(ReaProject*)0x") and (index, name, size) == (-1, "", 512)
assert RPR_GetProjectTimeSignature2(0, 0, 0) == (0, 120.0, 4.0)
assert RPR_TimeMap2_timeToBeats(0, 5.25, 0, 0, 0, 0) == (2.5, 0, 5.25, 2, 4, 10.5, 4)
assert RPR_TimeMap2_beatsToTime(0, 2.5, 2) == (5.25, 0, 2.5, 2)
assert RPR_GetPlayState() == 0
RPR_OnPlayButton()
assert RPR_GetPlayStateEx(0) == 1
print("REAPER's functions answer in RPR_ forms")
