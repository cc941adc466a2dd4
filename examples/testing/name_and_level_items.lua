-- @description Name and level selected items
-- @about
--   Names the active take of every selected item PREFIX_NN, numbered in time
--   order, and brings each item's loudest momentary loudness (400 ms) to one
--   target through the item volume, in one undo point. Asks for the prefix,
--   the number of digits and the target; remembers them for the next run.
--   Needs reaper_KELVARO_COBALT and the SWS extension (loudness analysis).

local title = "Name and level selected items"
local section = "KV_NameAndLevelItems" -- ExtState section of the settings
local defaults = {prefix = "Take", digits = "2", target = "-16"}

local function setting(key)
  if reaper.HasExtState(section, key) then return reaper.GetExtState(section, key) end
  return defaults[key]
end

-- The selected items by position (GetSelectedMediaItem goes track by track).
local function selected_items()
  local items = {}
  for i = 0, reaper.CountSelectedMediaItems(0) - 1 do
    local item = reaper.GetSelectedMediaItem(0, i)
    items[#items + 1] = {item = item, position = reaper.GetMediaItemInfo_Value(item, "D_POSITION"), order = i}
  end
  table.sort(items, function(a, b)
    if a.position ~= b.position then return a.position < b.position end
    return a.order < b.order
  end)
  return items
end

-- The answers as settings, or nil and what is wrong with them.
local function read_answers(answers)
  local prefix, digits, target = answers:match("^([^,]*),([^,]*),([^,]*)$")
  if not prefix then return nil, "Three values are needed." end
  -- Spaces in a take name make file names awkward after a render.
  local _, cleaned = reaper.KV_ReplaceSearchString(prefix, "\\s+", "_")
  if cleaned == "" then return nil, "The prefix is empty." end
  digits = math.tointeger(tonumber(digits))
  if not digits or digits < 1 or digits > 6 then
    return nil, "Digits must be a whole number from 1 to 6."
  end
  target = tonumber(target)
  if not target or target < -60 or target > 0 then return nil, "The target must be between -60 and 0 LUFS." end
  return {prefix = cleaned, digits = digits, target = target}
end

local function main()
  local items = selected_items()
  if #items == 0 then
    reaper.MB("Select the items to name and level first.", title, 0)
    return
  end
  local captions = "Name prefix,Digits,Loudest momentary (LUFS)"
  local values = setting("prefix") .. "," .. setting("digits") .. "," .. setting("target")
  local ok, answers = reaper.GetUserInputs(title, 3, captions, values)
  if not ok then return end
  local settings, problem = read_answers(answers)
  if not settings then
    reaper.MB(problem, title, 0)
    return
  end
  reaper.SetExtState(section, "prefix", settings.prefix, true)
  reaper.SetExtState(section, "digits", tostring(settings.digits), true)
  reaper.SetExtState(section, "target", ("%g"):format(settings.target), true)

  reaper.PreventUIRefresh(1)
  reaper.Undo_BeginBlock()
  local levelled = 0
  for number, entry in ipairs(items) do
    local _, digits = reaper.KV_FormatNumDigit(number, settings.digits)
    local name = settings.prefix .. "_" .. digits
    local take = reaper.GetActiveTake(entry.item)
    if take then reaper.GetSetMediaItemTakeInfo_String(take, "P_NAME", name, true) end
    local done, loudest = reaper.KV_SetMediaItemLoudnessMaxMomentary(entry.item, settings.target)
    if done then
      levelled = levelled + 1
      reaper.ShowConsoleMsg(("%s: levelled, loudest at %.2f s\n"):format(name, loudest))
    else
      reaper.ShowConsoleMsg(("%s: not levelled (no active take, offline or silent)\n"):format(name))
    end
  end
  reaper.Undo_EndBlock(("Name and level %d items"):format(#items), -1)
  reaper.PreventUIRefresh(-1)
  reaper.UpdateArrange()
  reaper.ShowConsoleMsg(("%d of %d items levelled to %g LUFS\n"):format(levelled, #items, settings.target))
end

main()
