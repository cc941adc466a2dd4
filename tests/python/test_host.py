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


if __name__ == "__main__":
    unittest.main()
