-- The string functions as a script writer calls them: outputs come back as extra results.

local ok, same = reaper.KV_CheckSameString("Abc", "aBC")
assert(ok == true and same == true)
ok, same = reaper.KV_CheckSameString("\xC3\x84", "\xC3\xA4")
assert(ok and same == false, "letters outside ASCII compare exactly")

local _, found = reaper.KV_CheckIncludeString("Hello World", "WORLD")
assert(found == true)
_, found = reaper.KV_CheckIncludePerfectString("Hello World", "WORLD")
assert(found == false)
_, found = reaper.KV_CheckIncludePerfectString("Hello World", "")
assert(found == true)

local replaced
ok, replaced = reaper.KV_ReplaceSearchString("a1b22c", "[0-9]+", "<$&>")
assert(ok and replaced == "a<1>b<22>c", replaced)
ok, replaced = reaper.KV_ReplaceSearchString("abc", "", "-")
assert(replaced == "-a-b-c-", replaced)
ok, replaced = reaper.KV_ReplaceSearchString("abc", "([a-", "x")
assert(ok == false and replaced == "", "a bad pattern fails and writes nothing")

-- The host's buffer is 4096 bytes: longer results are cut to 4095.
local long = string.rep("ab", 3000)
ok, replaced = reaper.KV_ReplaceSearchString(long, "b", "bb")
assert(ok and #replaced == 4095, #replaced)

local cleaned
ok, cleaned = reaper.KV_DeleteBlankString(" a b\tc ")
assert(ok and cleaned == "ab\tc")

-- nil where a text belongs reads as an empty text
ok, same = reaper.KV_CheckSameString(nil, "")
assert(ok and same)

-- a wrong argument type is a clear script error, not a crash
local fine, message = pcall(reaper.KV_CheckSameString, {}, "x")
assert(not fine and message:find("KV_CheckSameString") and message:find("textString"), message)
