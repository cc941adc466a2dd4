# whole_run.lua's run as a Python ReaScript: the same fixture of 50 tracks
# holding 200 items, then the same script of 100 calls, checked.
import sys

sys.path.append(RPR_GetResourcePath() + "/UserPlugins")
from reaper_KELVARO_COBALT_python import KV_GetTrackIdMute, KV_SetTrackIdMute  # noqa: E402

for index in range(50):
  RPR_InsertTrackAtIndex(index, True)
  track = RPR_GetTrack(None, index)
  RPR_GetSetMediaTrackInfo_String(track, "P_NAME", "Track %d" % index, True)
  for slot in range(4):
    item = RPR_AddMediaItemToTrack(track)
    RPR_SetMediaItemInfo_Value(item, "D_POSITION", slot * 2)
    RPR_SetMediaItemInfo_Value(item, "D_LENGTH", 1.5)
assert RPR_CountTracks(None) == 50 and RPR_CountMediaItems(None) == 200

# The script: 20 rounds of 5 calls, 100 in all.
for index in range(20):
  track = RPR_GetTrack(None, index)
  item = RPR_GetTrackMediaItem(track, index % 4)
  position = RPR_GetMediaItemInfo_Value(item, "D_POSITION")
  RPR_SetMediaItemInfo_Value(item, "D_POSITION", position + 0.25)
  KV_SetTrackIdMute(None, index, True)
muted = KV_GetTrackIdMute(None, 19, False)[3]
assert muted and RPR_GetMediaItemInfo_Value(RPR_GetTrackMediaItem(RPR_GetTrack(None, 19), 3), "D_POSITION") == 6.25
