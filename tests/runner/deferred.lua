-- Deferred functions run in cycles, in order, with time_precise advancing
-- 1/30 s each; atexit functions run at the end, also after an error.
local order, start = {}, reaper.time_precise()
local cycles = 0
local function tick()
  cycles = cycles + 1
  order[#order + 1] = "tick" .. cycles
  if cycles < 3 then reaper.defer(tick) end
  if cycles == 3 and arg[1] == "fail" then error("broke in a deferred function") end
end
reaper.defer(tick)
reaper.runloop(function() order[#order + 1] = "other" end)
reaper.atexit(function()
  local elapsed = reaper.time_precise() - start
  print(table.concat(order, " ") .. string.format(" %.4f", elapsed))
end)
reaper.atexit(function() print("second atexit") end)
order[#order + 1] = "main"
