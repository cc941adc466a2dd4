from reaper_python import *
# RPR_GetTrackEnvelopeByName in a comment
text = """RPR_InsertTrackAtIndex(0, True)"""
RPR_Main_OnCommand(42000, 0)
RPR_TrackFX_GetCount(RPR_GetTrack(0, 0))
RPR_defer("x()")
