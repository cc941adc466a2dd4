-- Dialogs answered by the answers file, in order.
local answer = reaper.MB("Delete the takes?", "Cleanup", 3)
local ok, values = reaper.GetUserInputs("Rename", 2, "Pattern:,Replacement:,extrawidth=100,separator=\n", "a\nb")
local ok2, values2 = reaper.GetUserInputs("Note", 2, "First,Second", "x,y")
local ok3, values3 = reaper.GetUserInputs("Cancelled", 1, "Name", "kept")
print(answer, ok, (values:gsub("\n", "|")), ok2, values2, ok3, values3)
reaper.ShowMessageBox("Done", "Last", 0)
