-- Run in kvhost on an installed extension, the resource folder the one it was
-- installed into: the extension answers, and a script gets the lists through
-- the installed files as it would in REAPER, whose Lua the library cannot
-- reach from C.
local ok, text = reaper.KV_FormatNumDigit(7, 3)
assert(ok and text == "007", "the installed extension does not answer")
local plugins = reaper.GetResourcePath() .. "/UserPlugins"
package.cpath = plugins .. "/?.so;" .. package.cpath
package.path = plugins .. "/?.lua;" .. package.path
local cobalt = require("reaper_KELVARO_COBALT")
local listed, parts = cobalt.KV_GetStringSplitList("a,b", ",")
assert(listed and parts[2] == "b" and KV_COBALT == cobalt, "the installed lists do not answer")
