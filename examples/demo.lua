-- The extension in the headless host: what it registers, then each group of
-- functions at work. Run with: kvhost examples/demo.lua

local names = kvhost.functions()
reaper.ShowConsoleMsg(("reaper_KELVARO_COBALT registered %d functions:\n"):format(#names))
for _, name in ipairs(names) do
  local result, types, params, help = kvhost.definition(name)
  local list = {}
  for i = 1, #types do list[i] = types[i] .. " " .. params[i] end
  reaper.ShowConsoleMsg(("  %s %s(%s)\n      %s\n"):format(result, name, table.concat(list, ", "), help))
end

reaper.ShowConsoleMsg("\nString functions:\n")
local function show(call, ...)
  local results = table.pack(...)
  for i = 1, results.n do results[i] = tostring(results[i]) end
  reaper.ShowConsoleMsg(("  %-58s -> %s\n"):format(call, table.concat(results, ", ")))
end
show('KV_CheckSameString("Abc", "aBC")', reaper.KV_CheckSameString("Abc", "aBC"))
show('KV_CheckIncludeString("Hello World", "WORLD")', reaper.KV_CheckIncludeString("Hello World", "WORLD"))
show('KV_CheckIncludePerfectString("Hello World", "WORLD")',
     reaper.KV_CheckIncludePerfectString("Hello World", "WORLD"))
show('KV_ReplaceSearchString("a1b22c", "[0-9]+", "<$&>")', reaper.KV_ReplaceSearchString("a1b22c", "[0-9]+", "<$&>"))
show('KV_ReplaceSearchString("John Smith", "(\\\\w+) (\\\\w+)", "$2, $1")',
     reaper.KV_ReplaceSearchString("John Smith", "(\\w+) (\\w+)", "$2, $1"))
show('KV_ReplaceSearchString("abc", "([a-", "x") (bad pattern)', reaper.KV_ReplaceSearchString("abc", "([a-", "x"))
show('KV_DeleteBlankString(" a b\\tc ")', reaper.KV_DeleteBlankString(" a b\tc "))

local folder = arg[0]:match("^(.*)/") or "."
for _, group in ipairs({"tracks", "project", "media"}) do
  reaper.ShowConsoleMsg("\n")
  dofile(folder .. "/" .. group .. ".lua")
end
