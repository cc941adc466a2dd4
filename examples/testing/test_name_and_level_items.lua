-- LuaUnit tests of name_and_level_items.lua, run in kvhost on the fixture
-- project (media made first by make_media.py):
--   kvhost --project fixture/interview.RPP test_name_and_level_items.lua [LuaUnit options]
-- Each test runs the script as REAPER would, answers its dialogs through the
-- kvhost table, checks the project, and undoes what the script did.
local folder = select(2, reaper.get_action_context()):match("^(.*[/\\])")
-- luaunit.lua beside the tests when there is one, else Debian's lua-unit.
package.path = folder .. "?.lua;" .. package.path
local lu = require("luaunit")

local script = folder .. "name_and_level_items.lua"
local section = "KV_NameAndLevelItems"

local function item(track, index) return reaper.GetTrackMediaItem(reaper.GetTrack(0, track), index) end
local function take_name(it) return reaper.GetTakeName(reaper.GetActiveTake(it)) end
local function volume(it) return reaper.GetMediaItemInfo_Value(it, "D_VOL") end

-- The script's console output and dialogs while it runs.
local function run_script()
  local console_before, dialogs_before = #kvhost.console(), #kvhost.dialogs()
  dofile(script)
  local shown = {}
  for i = dialogs_before + 1, #kvhost.dialogs() do shown[#shown + 1] = kvhost.dialogs()[i] end
  return kvhost.console():sub(console_before + 1), shown
end

local host_question, host_thanks, guest_answer, guest_again

TestNameAndLevel = {}

function TestNameAndLevel:setUp()
  host_question, host_thanks = item(0, 0), item(0, 1)
  guest_answer, guest_again = item(1, 0), item(1, 1)
  -- As saved in the fixture: all but the guest's second answer selected.
  reaper.SelectAllMediaItems(0, true)
  reaper.SetMediaItemSelected(guest_again, false)
  for _, key in ipairs({"prefix", "digits", "target"}) do reaper.DeleteExtState(section, key, true) end
end

function TestNameAndLevel:tearDown()
  local last = reaper.Undo_CanUndo2(0)
  if last and last:match("^Name and level") then reaper.Undo_DoUndo2(0) end
end

function TestNameAndLevel:test_fixture_loads_as_saved()
  lu.assertEquals(reaper.CountTracks(0), 2)
  lu.assertEquals(reaper.CountSelectedMediaItems(0), 3)
  lu.assertEquals(take_name(guest_answer), "guest_answer.wav")
  lu.assertEquals(reaper.GetMediaItemInfo_Value(guest_answer, "D_POSITION"), 4.5)
  local _, episode = reaper.GetProjExtState(0, "Interview", "Episode")
  lu.assertEquals(episode, "12")
end

function TestNameAndLevel:test_names_in_time_order_and_levels_to_one_target()
  kvhost.queue_user_inputs_answer(true, "Q A,3,-20")
  local console = run_script()
  -- In time order across tracks; the space became an underscore; unselected items keep their names.
  lu.assertEquals(take_name(host_question), "Q_A_001")
  lu.assertEquals(take_name(guest_answer), "Q_A_002")
  lu.assertEquals(take_name(host_thanks), "Q_A_003")
  lu.assertEquals(take_name(guest_again), "guest_answer.wav")
  -- The guest's loudest second is 12 dB below the host's: four times the gain to reach the same target.
  lu.assertAlmostEquals(volume(guest_answer) / volume(host_question), 4, 0.04)
  lu.assertEquals(volume(guest_again), 1)
  -- host_thanks.wav is missing: that item is offline and keeps its volume.
  lu.assertEquals(volume(host_thanks), 1)
  local loudest = tonumber(console:match("Q_A_001: levelled, loudest at ([%d.]+) s"))
  lu.assertTrue(loudest >= 0.6 and loudest <= 2, console)
  lu.assertStrContains(console, "Q_A_003: not levelled")
  lu.assertStrContains(console, "2 of 3 items levelled to -20 LUFS")
  lu.assertEquals(reaper.Undo_CanUndo2(0), "Name and level 3 items")
end

function TestNameAndLevel:test_one_undo_restores_the_project()
  kvhost.queue_user_inputs_answer(true, "Take,2,-16")
  run_script()
  lu.assertNotEquals(reaper.Undo_DoUndo2(0), 0)
  -- Undo may rebuild the items: look them up again.
  lu.assertEquals(take_name(item(0, 0)), "host_question.wav")
  lu.assertEquals(take_name(item(1, 0)), "guest_answer.wav")
  lu.assertEquals(volume(item(1, 0)), 1)
end

function TestNameAndLevel:test_remembers_the_answers_for_the_next_run()
  kvhost.queue_user_inputs_answer(true, "Scene,2,-18")
  local _, first = run_script()
  lu.assertEquals(first[1].values, "Take,2,-16")
  lu.assertEquals(reaper.GetExtState(section, "prefix"), "Scene")
  reaper.Undo_DoUndo2(0)
  kvhost.queue_user_inputs_answer(false)
  local _, second = run_script()
  lu.assertEquals(second[1].values, "Scene,2,-18")
end

function TestNameAndLevel:test_cancel_changes_nothing()
  kvhost.queue_user_inputs_answer(false)
  local console = run_script()
  lu.assertEquals(console, "")
  lu.assertEquals(take_name(host_question), "host_question.wav")
  lu.assertFalse(reaper.HasExtState(section, "prefix"))
  lu.assertNil(reaper.Undo_CanUndo2(0))
end

function TestNameAndLevel:test_refuses_bad_answers_and_says_why()
  kvhost.queue_user_inputs_answer(true, "Take,9,-16")
  kvhost.queue_message_box_answer(1)
  local _, shown = run_script()
  lu.assertEquals(#shown, 2)
  lu.assertEquals(shown[2].text, "Digits must be a whole number from 1 to 6.")
  lu.assertEquals(take_name(host_question), "host_question.wav")
  lu.assertFalse(reaper.HasExtState(section, "digits"))
end

function TestNameAndLevel:test_without_a_selection_says_what_to_do()
  reaper.SelectAllMediaItems(0, false)
  kvhost.queue_message_box_answer(1)
  local _, shown = run_script()
  lu.assertEquals(#shown, 1)
  lu.assertEquals(shown[1].text, "Select the items to name and level first.")
end

os.exit(lu.LuaUnit.run())
