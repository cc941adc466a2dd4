from reaper_python import *

RPR_TakeFX_AddByName(None, "ReaEQ", 1)
