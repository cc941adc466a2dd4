# Tests of name_and_level_items.py, run in kvhost on the fixture project
# (media made first by make_media.py), with the dialogs' answers in order
# from answers.txt:
#   kvhost --project fixture/interview.RPP --answers answers.txt test_name_and_level_items.py
# Each test runs the script as REAPER would, checks the project, and undoes
# what the script did.
import os
import runpy
import sys
import unittest

from reaper_python import *

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "name_and_level_items.py")
SECTION = "KV_NameAndLevelItems"


def item(track: int, index: int) -> str:
    return RPR_GetTrackMediaItem(RPR_GetTrack(None, track), index)


def take_name(it: str) -> str:
    return RPR_GetTakeName(RPR_GetActiveTake(it))


def volume(it: str) -> float:
    return RPR_GetMediaItemInfo_Value(it, "D_VOL")


class NameAndLevel(unittest.TestCase):
    def setUp(self) -> None:
        self.host_question, self.host_thanks = item(0, 0), item(0, 1)
        self.guest_answer, self.guest_again = item(1, 0), item(1, 1)
        # As saved in the fixture: all but the guest's second answer selected.
        RPR_SelectAllMediaItems(None, True)
        RPR_SetMediaItemSelected(self.guest_again, False)
        for key in ("prefix", "digits", "target"):
            RPR_DeleteExtState(SECTION, key, True)

    def tearDown(self) -> None:
        try:
            last = RPR_Undo_CanUndo2(None)
        except AttributeError:  # a NULL name: nothing to undo
            return
        if last.startswith("Name and level"):
            RPR_Undo_DoUndo2(None)

    # The tests run in name order, which is the order of the answers in answers.txt.
    def test_1_names_in_time_order_and_levels_to_one_target(self) -> None:
        runpy.run_path(SCRIPT)  # answers.txt: 1,Q A,3,-20
        self.assertEqual(
            [take_name(it) for it in (self.host_question, self.guest_answer, self.host_thanks, self.guest_again)],
            ["Q_A_001", "Q_A_002", "Q_A_003", "guest_answer.wav"])
        # The guest's loudest second is 12 dB below the host's: four times the gain.
        self.assertAlmostEqual(volume(self.guest_answer) / volume(self.host_question), 4, delta=0.04)
        self.assertEqual(volume(self.host_thanks), 1)  # offline: its file is missing
        self.assertEqual(RPR_Undo_CanUndo2(None), "Name and level 3 items")
        self.assertEqual(RPR_GetExtState(SECTION, "prefix"), "Q_A")

    def test_2_cancel_changes_nothing(self) -> None:
        runpy.run_path(SCRIPT)  # answers.txt: 0
        self.assertEqual(take_name(self.host_question), "host_question.wav")
        self.assertEqual(volume(self.guest_answer), 1)
        self.assertFalse(RPR_HasExtState(SECTION, "prefix"))

    def test_3_refuses_bad_answers_and_says_why(self) -> None:
        runpy.run_path(SCRIPT)  # answers.txt: 1,Take,0,-16 then 1 for the message
        self.assertEqual(take_name(self.host_question), "host_question.wav")
        self.assertFalse(RPR_HasExtState(SECTION, "digits"))


# Loaded by name: the script is not Python's __main__ module here, as in REAPER.
tests = unittest.defaultTestLoader.loadTestsFromTestCase(NameAndLevel)
sys.exit(0 if unittest.TextTestRunner(verbosity=2).run(tests).wasSuccessful() else 1)
