# Run in kvhost after a ReaPack install alone (scripts/test-release): README's
# Python lines reach the wrapper module and the kv_cobalt package in UserPlugins.
import sys

sys.path.append(RPR_GetResourcePath() + "/UserPlugins")
from reaper_KELVARO_COBALT_python import *  # noqa: E402,F403
import kv_cobalt  # noqa: E402

assert KV_FormatNumDigit(7, 3, "", 16)[:3] == (True, 7, 3), "the wrapper does not answer"
RPR_InsertTrackAtIndex(0, True)
assert kv_cobalt.Cobalt().GetTrackItemList(None) == (True, [RPR_GetTrack(None, 0)]), "kv_cobalt does not answer"
