# A Python ReaScript reaches the extension through its generated wrapper
# module, as a script in REAPER does with the README's two lines.
import ctypes
import inspect
import os
import re
import sys

sys.path.append(RPR_GetResourcePath() + "/UserPlugins")
from reaper_KELVARO_COBALT_python import *

NULL_TRACK = "(MediaTrack*)0x" + "0" * 16

# A track handle result, const char* input, int* output.
created = KV_InsertTrackSearchUniqueOnly(None, "Bass ü", 0)
track = created[0]
assert re.fullmatch(r"\(MediaTrack\*\)0x[0-9A-F]{16}", track), created
assert created == (track, None, "Bass ü", 0), created
assert KV_InsertTrackSearchUniqueOnly(None, "Bass ü", 5) == created
assert KV_GetTrackItemSelect(None, 0, 0) == track
assert KV_GetTrackItemSelect(None, 7, 0) == NULL_TRACK
assert KV_GetTrackItemIndex(track, 0) == (1, track, 0)

# char* buffers with their _sz numbers; the text comes back in its place.
assert KV_GetTrackItemName(track, "", 512) == (1, track, "Bass ü", 512)
assert KV_ReplaceSearchString("a1b22c", "[0-9]+", "#", "", 64) == (1, "a1b22c", "[0-9]+", "#", "a#b#c", 64)
assert KV_FormatNumDigit(7, 3, "", 16) == (1, 7, 3, "007", 16)

# bool*, int* and double* outputs, and doubles in.
assert KV_CheckSameString("Abc", "aBC", 0) == (1, "Abc", "aBC", 1)
assert KV_CheckSameString("Abc", "x", 1) == (1, "Abc", "x", 0)
assert KV_SetTrackItemMute(track, True) == 1
assert KV_GetTrackItemMute(track, 0) == (1, track, 1)
assert KV_SetTrackItemRGB(track, 16, 32, 48) == 1
assert KV_GetTrackItemColor(track, 0, 0, 0, 0) == (1, track, 0x1102030, 16, 32, 48)
assert KV_SetTrackItemVolume(track, 0.5) == 1
assert KV_GetTrackItemVolume(track, 0.0) == (1, track, 0.5)
ok, low, high, kind, value = KV_GetRandomNumDouble(1.5, 2.5, 3, 0.0)
assert ok == 1 and (low, high, kind) == (1.5, 2.5, 3) and 1.5 <= value <= 2.5, value

# A NeedBig output reads back from the 4 MiB buffer.
folder = RPR_GetResourcePath()
text = "line ü\n" * 1000
assert KV_WriteFile(folder, "big.txt", text, 0) == 1
assert KV_ReadFile(folder, "big.txt", "", 4 * 1024 * 1024) == (1, folder, "big.txt", text, 4 * 1024 * 1024)

# A _sz beyond the 4 MiB buffer passes as the buffer's size: a 40 MiB file
# arrives cut to what the buffer holds, never written past it.
line = "0123456789abcdef"
path = folder + "/40MiB.txt"
with open(path, "w", encoding="UTF-8") as f:
  f.write(line * (40 * 65536))
size = os.path.getsize(path) + 1
assert KV_ReadFile(folder, "40MiB.txt", "", size) == (0, folder, "40MiB.txt", (line * 262144)[:-1], size)
os.remove(path)
# So for every wrapper with a _sz, against a stand-in for the library's functions.
wrappers = sys.modules["reaper_KELVARO_COBALT_python"]
within = {}


def stand_in(result, *types):
  def function(*arguments):
    for buffer, size in zip(arguments, arguments[1:]):
      if isinstance(buffer, ctypes.Array):
        within[called] = within.get(called, True) and size.value <= ctypes.sizeof(buffer)
    return 0
  return lambda address: function


wrappers.CFUNCTYPE = stand_in
for called, wrapper in [(n, f) for n, f in vars(wrappers).items() if n.startswith("KV_")]:
  names = inspect.signature(wrapper).parameters
  if any(name.endswith("_sz") for name in names):
    wrapper(*[None if name == "projID" else 2**26 if name.endswith("_sz") else 0 for name in names])
wrappers.CFUNCTYPE = ctypes.CFUNCTYPE
assert len(within) == 13 and all(within.values()), within

# A handle of another type, or of a deleted object, reaches the function as null.
as_item = "(MediaItem*)" + track[len("(MediaTrack*)"):]
assert KV_GetTrackItemName(as_item, "", 512) == (0, as_item, "", 512)
RPR_DeleteTrack(track)
assert KV_GetTrackItemMute(track, 0) == (0, track, 0)

# A project that does not validate is refused, never taken as the current one;
# None and REAPER's null handle are the current project.
KV_InsertTrackSearchUniqueOnly(None, "Kept", 0)
assert KV_SetTrackIdMute(None, 0, True) == 1
project = RPR_GetItemProjectContext(RPR_AddMediaItemToTrack(RPR_GetTrack(None, 0)))
for dead in ("(ReaProject*)0x00000000DEADBEEF", project.replace("ReaProject", "MediaTrack"), 0, "current"):
  try:
    KV_SetTrackAllMuteOFF(dead)
  except ValueError:
    pass
  else:
    raise AssertionError("%r was taken for the current project" % (dead,))
for current in (None, "(ReaProject*)0x" + "0" * 16, project):
  assert KV_GetTrackIdMute(current, 0, 0)[3] == 1, current
assert KV_SetTrackAllMuteOFF(project) == 1 and KV_GetTrackIdMute(None, 0, 0)[3] == 0

# Every wrapper carries its help text and the failure sentence.
assert KV_GetTrackItemColor.__doc__.startswith("[KV:API]Get Track Item Color RGB"), KV_GetTrackItemColor.__doc__
assert "false for a null track" in KV_GetTrackItemColor.__doc__
print("ok")
