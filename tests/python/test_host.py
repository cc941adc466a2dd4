"""The headless host driven from Python through its C interface, as ctypes users do."""
import ctypes
import os
import unittest

host = ctypes.CDLL(os.environ["KVHOST_LIBRARY"])
host.kvhost_load_extension.argtypes = [ctypes.c_char_p]
host.kvhost_get_func.restype = ctypes.c_void_p
host.kvhost_get_func.argtypes = [ctypes.c_char_p]
host.kvhost_run_lua.argtypes = [ctypes.c_char_p, ctypes.c_char_p, ctypes.c_int]
host.kvhost_current_project.restype = ctypes.c_void_p

CheckFunction = ctypes.CFUNCTYPE(ctypes.c_bool, ctypes.c_char_p, ctypes.c_char_p, ctypes.POINTER(ctypes.c_bool))
ReplaceFunction = ctypes.CFUNCTYPE(ctypes.c_bool, ctypes.c_char_p, ctypes.c_char_p, ctypes.c_char_p,
                                   ctypes.c_char_p, ctypes.c_int)


def run_lua(code):
    error = ctypes.create_string_buffer(4096)
    ok = host.kvhost_run_lua(code.encode(), error, len(error))
    return ok, error.value.decode()


class HostFromPython(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        assert host.kvhost_load_extension(None) == 1

    def setUp(self):
        host.kvhost_reset()

    def test_registered_functions_are_found_and_called_natively(self):
        check = CheckFunction(host.kvhost_get_func(b"KV_CheckSameString"))
        out = ctypes.c_bool(False)
        self.assertTrue(check(b"Abc", b"aBC", ctypes.byref(out)))
        self.assertTrue(out.value)
        replace = ReplaceFunction(host.kvhost_get_func(b"KV_ReplaceSearchString"))
        buffer = ctypes.create_string_buffer(16)
        self.assertTrue(replace(b"a1b22c", b"[0-9]+", b"#", buffer, len(buffer)))
        self.assertEqual(buffer.value, b"a#b#c")
        self.assertFalse(replace(b"abc", b"([a-", b"#", buffer, len(buffer)))
        self.assertIsNone(host.kvhost_get_func(b"KV_NoSuchFunction"))

    def test_null_arguments_are_safe(self):
        check = CheckFunction(host.kvhost_get_func(b"KV_CheckIncludeString"))
        self.assertFalse(check(None, None, None))
        out = ctypes.c_bool(False)
        self.assertTrue(check(None, None, ctypes.byref(out)))
        self.assertTrue(out.value)

    def test_lua_runs_against_the_same_host(self):
        host.kvhost_queue_message_box_answer(6)
        ok, error = run_lua('assert(reaper.ShowMessageBox("question", "title", 4) == 6)')
        self.assertEqual((ok, error), (1, ""))
        self.assertEqual(host.kvhost_dialog_count(), 1)

    def test_lua_errors_come_back_with_a_traceback(self):
        ok, error = run_lua('local x = nil\nerror("broken script")')
        self.assertEqual(ok, 0)
        self.assertIn("broken script", error)
        self.assertIn("stack traceback", error)

    def test_media_built_and_read_through_host_functions(self):
        def function(name, result, *arguments):
            return ctypes.CFUNCTYPE(result, *arguments)(host.kvhost_get_func(name.encode()))
        pointer = ctypes.c_void_p
        function("InsertTrackAtIndex", None, ctypes.c_int, ctypes.c_bool)(0, False)
        track = function("GetTrack", pointer, pointer, ctypes.c_int)(None, 0)
        source = function("PCM_Source_CreateFromFile", pointer, ctypes.c_char_p)(
            b"/usr/share/sounds/alsa/Front_Right.wav")
        self.assertIsNotNone(source)
        item = function("AddMediaItemToTrack", pointer, pointer)(track)
        take = function("AddTakeToMediaItem", pointer, pointer)(item)
        self.assertTrue(function("SetMediaItemTake_Source", ctypes.c_bool, pointer, pointer)(take, source))
        function("SetMediaItemInfo_Value", ctypes.c_bool, pointer, ctypes.c_char_p, ctypes.c_double)(
            item, b"D_LENGTH", 1.0)
        peaks = (ctypes.c_double * 200)()
        get_peaks = function("GetMediaItemTake_Peaks", ctypes.c_int, pointer, ctypes.c_double, ctypes.c_double,
                             ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.POINTER(ctypes.c_double))
        self.assertEqual(get_peaks(take, 100.0, 0.0, 1, 100, 0, peaks), 100)
        self.assertTrue(all(high >= low for high, low in zip(peaks[:100], peaks[100:])))
        self.assertGreater(max(peaks[:100]), 0.05)

        self.assertIsNotNone(host.kvhost_get_func(b"NF_AnalyzeTakeLoudness2"))
        host.kvhost_hide_sws()
        self.assertIsNone(host.kvhost_get_func(b"NF_AnalyzeTakeLoudness2"))
        host.kvhost_show_all_functions()
        self.assertIsNotNone(host.kvhost_get_func(b"BR_EnvAlloc"))


if __name__ == "__main__":
    unittest.main()
