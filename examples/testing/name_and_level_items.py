# Name and level selected items: the Python twin of name_and_level_items.lua.
# Names the active take of every selected item PREFIX_NN, numbered in time
# order, and brings each item's loudest momentary loudness (400 ms) to one
# target through the item volume, in one undo point. Asks for the prefix, the
# number of digits and the target; remembers them for the next run. Needs
# reaper_KELVARO_COBALT (its Python wrapper in UserPlugins) and the SWS
# extension (loudness analysis).
import math
import sys

from reaper_python import *

sys.path.append(RPR_GetResourcePath() + "/UserPlugins")
from reaper_KELVARO_COBALT_python import *

# After the star imports: reaper_python also gives ctypes' names, Union among them.
from typing import List, Optional, Tuple

TITLE = "Name and level selected items"
SECTION = "KV_NameAndLevelItems"  # ExtState section of the settings
DEFAULTS = {"prefix": "Take", "digits": "2", "target": "-16"}
#: Name prefix, digits, loudest momentary loudness (LUFS).
Settings = Tuple[str, int, float]


def setting(key: str) -> str:
    if RPR_HasExtState(SECTION, key):
        return RPR_GetExtState(SECTION, key)
    return DEFAULTS[key]


def selected_items() -> List[str]:
    """The selected items by position (RPR_GetSelectedMediaItem goes track by track)."""
    found: List[Tuple[float, int, str]] = []
    for i in range(RPR_CountSelectedMediaItems(None)):
        item = RPR_GetSelectedMediaItem(None, i)
        found.append((RPR_GetMediaItemInfo_Value(item, "D_POSITION"), i, item))
    return [item for _, _, item in sorted(found)]


def number(text: str) -> float:
    try:
        return float(text)
    except ValueError:
        return math.nan


def read_answers(answers: str) -> Tuple[Optional[Settings], str]:
    """The answers as settings, or None and what is wrong with them."""
    parts = answers.split(",")
    if len(parts) != 3:
        return None, "Three values are needed."
    # Spaces in a take name make file names awkward after a render.
    cleaned = KV_ReplaceSearchString(parts[0], "\\s+", "_", "", 4096)[4]
    if cleaned == "":
        return None, "The prefix is empty."
    digits, target = number(parts[1]), number(parts[2])
    if not (digits.is_integer() and 1 <= digits <= 6):
        return None, "Digits must be a whole number from 1 to 6."
    if not -60 <= target <= 0:
        return None, "The target must be between -60 and 0 LUFS."
    return (cleaned, int(digits), target), ""


def main() -> None:
    items = selected_items()
    if not items:
        RPR_ShowMessageBox("Select the items to name and level first.", TITLE, 0)
        return
    captions = "Name prefix,Digits,Loudest momentary (LUFS)"
    values = ",".join(setting(key) for key in ("prefix", "digits", "target"))
    ok, _, _, _, answers, _ = RPR_GetUserInputs(TITLE, 3, captions, values, 1024)
    if not ok:
        return
    settings, problem = read_answers(answers)
    if settings is None:
        RPR_ShowMessageBox(problem, TITLE, 0)
        return
    prefix, digits, target = settings
    RPR_SetExtState(SECTION, "prefix", prefix, True)
    RPR_SetExtState(SECTION, "digits", str(digits), True)
    RPR_SetExtState(SECTION, "target", "%g" % target, True)

    RPR_PreventUIRefresh(1)
    RPR_Undo_BeginBlock()
    levelled = 0
    for number, item in enumerate(items, 1):
        name = prefix + "_" + KV_FormatNumDigit(number, digits, "", 64)[3]
        take = RPR_GetActiveTake(item)
        if take != "(MediaItem_Take*)0x0000000000000000":  # None active
            RPR_GetSetMediaItemTakeInfo_String(take, "P_NAME", name, True)
        done, _, _, loudest = KV_SetMediaItemLoudnessMaxMomentary(item, target, 0)
        if done:
            levelled += 1
            RPR_ShowConsoleMsg("%s: levelled, loudest at %.2f s\n" % (name, loudest))
        else:
            RPR_ShowConsoleMsg("%s: not levelled (no active take, offline or silent)\n" % name)
    RPR_Undo_EndBlock("Name and level %d items" % len(items), -1)
    RPR_PreventUIRefresh(-1)
    RPR_UpdateArrange()
    RPR_ShowConsoleMsg("%d of %d items levelled to %g LUFS\n" % (levelled, len(items), target))


main()
