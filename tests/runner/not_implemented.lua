print("a run")
reaper.TakeFX_AddByName(nil, "ReaEQ", 1)
