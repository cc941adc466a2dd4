"""The library's C interface for Python, through ctypes, inside the headless
host: the object pool, every list function, and the kv_cobalt package on top."""
import ctypes
import gc
import itertools
import os
import sys
import tempfile
import threading
import unittest
from unittest import mock

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "python"))
import kv_cobalt  # noqa: E402
from kv_cobalt import _native, pool  # noqa: E402

host = ctypes.CDLL(os.environ["KVHOST_LIBRARY"])
host.kvhost_get_func.restype = ctypes.c_void_p
host.kvhost_get_func.argtypes = [ctypes.c_char_p]
host.kvhost_load_extension.argtypes = [ctypes.c_char_p]
lib = _native.load()  # the file the host loads: one library, one set of pools
pointer = ctypes.c_void_p
VOICE = b"/usr/share/sounds/alsa/Front_Center.wav"  # 1.428 s, mono


def function(name, result, *arguments):
    return ctypes.CFUNCTYPE(result, *arguments)(host.kvhost_get_func(name.encode()))


def add_tracks(*folder_depths):
    """Tracks appended to the current project; their handles."""
    count = function("CountTracks", ctypes.c_int, pointer)
    insert = function("InsertTrackAtIndex", None, ctypes.c_int, ctypes.c_bool)
    get = function("GetTrack", pointer, pointer, ctypes.c_int)
    set_value = function("SetMediaTrackInfo_Value", ctypes.c_bool, pointer, ctypes.c_char_p, ctypes.c_double)
    tracks = []
    for depth in folder_depths:
        insert(count(None), False)
        tracks.append(get(None, count(None) - 1))
        set_value(tracks[-1], b"I_FOLDERDEPTH", depth)
    return tracks


def name_track(track, name):
    function("GetSetMediaTrackInfo_String", ctypes.c_bool, pointer, ctypes.c_char_p, ctypes.c_char_p,
             ctypes.c_bool)(track, b"P_NAME", name, True)


def add_voice_item(track, length):
    source = function("PCM_Source_CreateFromFile", pointer, ctypes.c_char_p)(VOICE)
    item = function("AddMediaItemToTrack", pointer, pointer)(track)
    take = function("AddTakeToMediaItem", pointer, pointer)(item)
    function("SetMediaItemTake_Source", ctypes.c_bool, pointer, pointer)(take, source)
    function("SetMediaItemInfo_Value", ctypes.c_bool, pointer, ctypes.c_char_p, ctypes.c_double)(
        item, b"D_LENGTH", length)
    return item


def text(getter, *arguments):
    buffer = ctypes.create_string_buffer(1024)
    getter(*arguments, buffer)
    return buffer.value


def key_info(handle, index):
    key, type_name = ctypes.create_string_buffer(1024), ctypes.create_string_buffer(1024)
    lib.py_get_key_inkvObj(handle, index, key, type_name)
    return key.value, type_name.value


class Pool(unittest.TestCase):
    def test_arrays_append_and_read_by_position_and_type(self):
        array = lib.py_create_array()
        lib.py_set_array_int(array, 5)
        lib.py_set_array_string(array, b"x" * 2000)
        lib.py_set_array_string(array, None)
        self.assertEqual(lib.py_get_obj_size(array), 3)
        self.assertEqual([lib.py_get_int_inarray(array, i) for i in (0, 1, 3, -1)], [5, 0, 0, 0])
        self.assertEqual(text(lib.py_get_string_inarray, array, 1), b"x" * 1023)
        self.assertEqual(text(lib.py_get_string_inarray, array, 0), b"", "an integer is no text")
        lib.py_get_string_inarray(array, 1, None)
        self.assertTrue(lib.py_release_obj(array))
        self.assertFalse(lib.py_release_obj(array))
        self.assertEqual(lib.py_get_int_inarray(array, 0), 0)

    def test_buffers_too_small_or_immutable_are_refused_not_overrun(self):
        array = lib.py_create_array()
        lib.py_set_array_string(array, b"x" * 2000)
        for wrong in (ctypes.create_string_buffer(16), b"immutable", "text"):
            with self.assertRaises(ctypes.ArgumentError):
                lib.py_get_string_inarray(array, 0, wrong)
        with self.assertRaises(ctypes.ArgumentError):
            lib.py_get_key_inkvObj(0, 0, ctypes.create_string_buffer(1024), ctypes.create_string_buffer(1023))
        lib.py_release_obj(array)

    def test_maps_read_in_key_order_and_replace_values(self):
        table = lib.py_create_map()
        lib.py_set_map_int(table, b"b", 1)
        lib.py_set_map_int(table, b"a", 2)
        lib.py_set_map_double(table, b"a", 2.5)
        self.assertEqual(lib.py_get_obj_size(table), 2)
        key = ctypes.create_string_buffer(1024)
        self.assertEqual(lib.py_get_double_inmap(table, 0, key), 2.5)
        self.assertEqual(key.value, b"a")
        self.assertEqual(lib.py_get_int_inmap(table, 0, key), 0)
        self.assertEqual(key.value, b"", "another type: default value and empty key")
        self.assertEqual(lib.py_get_int_inmap(table, 1, key), 1)
        self.assertEqual(lib.py_get_int_inmap(table, 2, None), 0)
        lib.py_release_obj(table)

    def test_records_in_a_list(self):
        records = lib.py_create_kvList_array()
        note = lib.py_create_kvObj_inarray(records, b"kv_Midi")
        self.assertEqual((lib.py_get_obj_size(records), lib.py_get_obj_size(note)), (1, 0))
        self.assertEqual(lib.py_get_ptr_inarray(records, 0), note)
        lib.py_set_int_inkvObj(note, b"Pitch", 60)
        lib.py_set_double_inkvObj(note, b"Pitch", 61.0)
        lib.py_set_bool_inkvObj(note, b"Pitch", True)
        self.assertEqual(lib.py_get_int_inkvobj(note, b"Pitch"), 60)
        self.assertEqual(lib.py_get_double_inkvobj(note, b"Pitch"), 0.0)
        self.assertFalse(lib.py_get_bool_inkvobj(note, b"Pitch"))
        self.assertEqual(lib.py_get_obj_size(note), 0)
        self.assertEqual(key_info(note, 0), (b"", b""), "out of range: two empty texts")
        for name in (b"", b"kv_midi", None):
            self.assertEqual(lib.py_create_kvObj_inarray(records, name), 0)
        self.assertEqual(lib.py_create_kvObj_inarray(note, b"kv_Midi"), 0, "a record is no record list")
        self.assertEqual(lib.py_get_obj_size(records), 1)
        row = lib.py_create_kvObj_inarray(records, b"TrackDetail")
        lib.py_set_string_inkvObj(row, b"Name", b"Bass")
        lib.py_set_ptr_inkvObj(row, b"Track", 0x1000)
        self.assertEqual(text(lib.py_get_string_inkvobj, row, b"Name"), b"Bass")
        self.assertEqual(lib.py_get_ptr_inkvobj(row, b"Track"), 0x1000)
        self.assertEqual(lib.py_get_int_inkvobj(row, b"name"), 0)
        self.assertTrue(lib.py_release_obj(records))
        self.assertEqual(lib.py_get_int_inkvobj(note, b"Pitch"), 0, "released with its list")
        self.assertEqual(text(lib.py_get_string_inkvobj, row, b"Name"), b"")

    def test_releases_in_every_order(self):
        records = lib.py_create_kvList_array()
        first = lib.py_create_kvObj_inarray(records, b"kv_Peak")
        second = lib.py_create_kvObj_inarray(records, b"kv_Peak")
        self.assertTrue(lib.py_release_obj(first))
        self.assertIsNone(lib.py_get_ptr_inarray(records, 0), "the list knows its record is gone")
        self.assertEqual(lib.py_get_ptr_inarray(records, 1), second)
        self.assertTrue(lib.py_release_obj(records))
        self.assertFalse(lib.py_release_obj(second))
        self.assertFalse(lib.py_release_obj(records))

        inner, outer = lib.py_create_array(), lib.py_create_array()
        lib.py_set_array_ptr(outer, inner)
        lib.py_set_array_ptr(outer, outer)
        self.assertTrue(lib.py_release_obj2(outer))
        self.assertFalse(lib.py_release_obj(inner), "released with the array that named it")
        inner, outer = lib.py_create_array(), lib.py_create_array()
        lib.py_set_array_ptr(outer, inner)
        self.assertTrue(lib.py_release_obj(outer))
        self.assertTrue(lib.py_release_obj(inner), "py_release_obj leaves named arrays alone")
        table = lib.py_create_map()
        self.assertFalse(lib.py_release_obj2(table), "only arrays")
        self.assertTrue(lib.py_release_obj(table))
        self.assertFalse(lib.py_release_obj(0))


class ListFunctions(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        assert host.kvhost_load_extension(None) == 1

    def setUp(self):
        host.kvhost_reset()

    def call(self, name, *arguments, counted=False):
        handle = ctypes.c_uint64(777)
        count = ctypes.c_int(-1)
        extra = (ctypes.byref(count),) if counted else ()
        ok = getattr(lib, name)(*arguments, ctypes.byref(handle), *extra)
        return (ok, handle.value, count.value) if counted else (ok, handle.value)

    def test_track_lists(self):
        a, b, c, d, e = add_tracks(0, 1, 0, -1, 0)
        ok, handle = self.call("py_GetTrackItemList", None)
        self.assertTrue(ok)
        self.assertEqual([lib.py_get_ptr_inarray(handle, i) for i in range(lib.py_get_obj_size(handle))],
                         [a, b, c, d, e])
        lib.py_release_obj(handle)
        ok, handle, count = self.call("py_GetTrackItemChildList", b, counted=True)
        self.assertEqual((ok, count, lib.py_get_ptr_inarray(handle, 1)), (True, 2, d))
        lib.py_release_obj(handle)
        ok, handle, count = self.call("py_GetTrackIdChildList", None, 99, counted=True)
        self.assertEqual((ok, count), (True, 3))
        lib.py_release_obj(handle)
        self.assertTrue(lib.py_GetTrackIdChildList(None, 1, ctypes.byref(ctypes.c_uint64()), None))
        function("SetTrackSelected", None, pointer, ctypes.c_bool)(e, True)
        ok, handle = self.call("py_GetSelectedTrackIdChildList", None, 0)
        self.assertEqual((ok, handle), (False, 777), "a selected track without children: no handle")

        ok, depths = self.call("py_GetTrackDepthList", None)
        self.assertEqual(lib.py_get_obj_size(depths), 5)
        rows = [lib.py_get_ptr_inarray(depths, i) for i in range(5)]
        self.assertEqual([lib.py_get_int_inkvobj(r, b"Depth") for r in rows], [0, 0, 1, 1, 0])
        self.assertEqual([lib.py_get_ptr_inkvobj(r, b"Track") for r in rows], [a, b, c, d, e])
        self.assertEqual((lib.py_get_obj_size(rows[0]), key_info(rows[0], 0), key_info(rows[0], 1)),
                         (2, (b"Track", b"MediaTrack*"), (b"Depth", b"int")))
        ok, again = self.call("py_GetTrackDepthList", None)
        self.assertNotEqual(again, depths)
        self.assertTrue(lib.py_release_obj(rows[0]))
        self.assertEqual((lib.py_get_ptr_inarray(depths, 0), lib.py_get_obj_size(rows[0])), (None, 0))
        self.assertEqual(lib.py_get_ptr_inarray(depths, 1), rows[1])
        self.assertTrue(lib.py_release_obj(depths))
        self.assertEqual(lib.py_get_int_inkvobj(rows[2], b"Depth"), 0, "released with the list")
        self.assertEqual(lib.py_get_obj_size(again), 5)
        lib.py_release_obj(again)

        name_track(c, b"Bass")
        ok, found = self.call("py_GetSamePerfectTrackNameList", None, b"Bass")
        self.assertEqual(lib.py_get_int_inkvobj(lib.py_get_ptr_inarray(found, 0), b"Index"), 2)
        lib.py_release_obj(found)
        self.assertEqual(self.call("py_GetSamePerfectTrackNameList", None, b"Organ"), (False, 777))
        ok, found = self.call("py_GetIncludePerfectTrackNameList", None, None)
        self.assertEqual((ok, lib.py_get_obj_size(found)), (True, 5), "null reads empty: every track")
        lib.py_release_obj(found)

    def test_a_host_that_keeps_its_lua_private_gets_the_lists_through_the_lua_file(self):
        # ctypes loads the host library, and so its Lua, with RTLD_LOCAL: the
        # library never binds that Lua, and the Lua file serves instead.
        host.kvhost_run_lua.argtypes = [ctypes.c_char_p, ctypes.c_char_p, ctypes.c_int]
        error = ctypes.create_string_buffer(4096)
        code = b'local dir = reaper.GetResourcePath() .. "/UserPlugins" ' \
               b'local open = package.loadlib(dir .. "/reaper_KELVARO_COBALT.so", "luaopen_reaper_KELVARO_COBALT") ' \
               b'assert(select("#", open()) == 0 and KV_COBALT == nil) ' \
               b'package.path = dir .. "/?.lua;" .. package.path ' \
               b'local m = require("reaper_KELVARO_COBALT") local ok, t = m.KV_GetStringSplitList("a,b", ",") ' \
               b'assert(ok and #t == 2 and KV_COBALT == m)'
        self.assertEqual((host.kvhost_run_lua(code, error, len(error)), error.value), (1, b""))

    def test_text_lists_are_always_pooled(self):
        ok, handle = self.call("py_GetStringSplitList", b"a,,b", b",")
        self.assertEqual([text(lib.py_get_string_inarray, handle, i) for i in range(3)], [b"a", b"", b"b"])
        lib.py_release_obj(handle)
        ok, handle = self.call("py_GetUserInputList", b"Title", 2, b"one,two", b"x,y")
        self.assertFalse(ok, "cancelled")
        self.assertEqual(lib.py_get_obj_size(handle), 2)
        self.assertTrue(lib.py_release_obj(handle))
        ok, handle = self.call("py_GetFilePathList", b"/no/such/folder", b"wav")
        self.assertEqual((ok, lib.py_get_obj_size(handle)), (False, 0))
        self.assertTrue(lib.py_release_obj(handle))

    def test_peak_lists(self):
        track, = add_tracks(0)
        item = add_voice_item(track, 1.0)
        ok, handle = self.call("py_GetMediaItemPeakList", item)
        self.assertTrue(ok)
        self.assertEqual(lib.py_get_obj_size(handle), 1000)
        peaks = [lib.py_get_ptr_inarray(handle, i) for i in (0, 999)]
        self.assertEqual([key_info(peaks[0], i)[0] for i in range(3)], [b"Time", b"MaxPeak", b"MinPeak"])
        self.assertAlmostEqual(lib.py_get_double_inkvobj(peaks[1], b"Time"), 0.999)
        loudest = max(lib.py_get_double_inkvobj(lib.py_get_ptr_inarray(handle, i), b"MaxPeak") for i in range(1000))
        self.assertTrue(-80 < loudest <= 0)
        lib.py_release_obj(handle)
        self.assertEqual(lib.py_get_double_inkvobj(peaks[1], b"Time"), 0.0, "records released with the list")
        ok, handle = self.call("py_GetMediaIdPeakList", None, 0)
        self.assertEqual(lib.py_get_obj_size(handle), 1000)
        lib.py_release_obj(handle)
        self.assertEqual(self.call("py_GetSelectedMediaIdPeakList", None, 0), (False, 777))
        self.assertEqual(self.call("py_GetMediaItemPeakList", None), (False, 777))


class Package(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        assert host.kvhost_load_extension(None) == 1
        cls.cobalt = kv_cobalt.Cobalt()

    def setUp(self):
        host.kvhost_reset()

    def test_declares_every_export_as_the_library_does(self):
        root = os.path.join(os.path.dirname(__file__), "..", "..", "src", "binding")
        declared = set()
        for header in ("python/pool_functions.hpp", "list_functions.hpp"):
            with open(os.path.join(root, header)) as f:
                for line in f:
                    words = line.split()
                    if words and words[0].startswith("X(Get"):
                        declared.add("py_" + words[0][2:-1])
                    elif len(words) > 1 and words[1].startswith("py_"):
                        declared.add(words[1].rstrip(","))
        self.assertEqual(declared, set(_native.POOL_FUNCTIONS) | set(_native.LIST_FUNCTIONS))
        self.assertEqual(len(declared), 52)

    def test_lists_come_back_as_plain_values(self):
        c = self.cobalt
        a, b, child = add_tracks(0, 1, -1)
        name_track(child, b"Slap bass")
        self.assertEqual(c.GetTrackItemList(None), (True, [a, b, child]))
        self.assertEqual(c.GetTrackItemChildList(b), (True, [child], 1))
        self.assertEqual(c.GetTrackDepthList(None),
                         (True, [{"Track": a, "Depth": 0}, {"Track": b, "Depth": 0}, {"Track": child, "Depth": 1}]))
        self.assertEqual(c.GetIncludePerfectTrackNameList(None, "BASS"), (True, [{"Track": child, "Index": 2}]))
        self.assertEqual(c.GetStringSplitList("é;b", ";"), (True, ["é", "b"]))
        with tempfile.TemporaryDirectory() as folder:
            open(os.path.join(folder, "x.WAV"), "w").close()
            self.assertEqual(c.GetFilePathList(folder, "wav"), (True, [os.path.join(folder, "x.WAV")]))
        ok, peaks = c.GetMediaItemPeakList(add_voice_item(a, 0.25))
        self.assertEqual((ok, len(peaks), sorted(peaks[0])), (True, 250, ["MaxPeak", "MinPeak", "Time"]))
        self.assertEqual(peaks[249]["Time"], 0.249)

    def test_columns_give_the_dicts_of_the_field_by_field_reads(self):
        c = self.cobalt
        with c.record_list() as mixed:
            for kind in ("kv_Midi", "kv_Peak", "TrackDetail", "kv_Peak"):
                mixed.append(kind)
            mixed[1].release()
            self.assertEqual(mixed.to_dicts(), [{}, None, {}, {}])
        handle = ctypes.c_uint64(0)
        self.assertTrue(lib.py_GetMediaItemPeakList(add_voice_item(add_tracks(0)[0], 1.0), ctypes.byref(handle)))
        with kv_cobalt.RecordList(lib, handle.value, new=True) as peaks:
            for index in (0, 17, 999):  # None in the columns' rows and at a block's edge
                peaks[index].release()
            peaks.append("kv_Midi")  # no present field: {}
            by_field = [record.to_dict() if record is not None else None for record in peaks]
            bulk = peaks.to_dicts()
            self.assertEqual((len(bulk), bulk[-1]), (1001, {}))
            self.assertEqual(bulk, by_field)
            with mock.patch.object(pool, "_BLOCK_ROWS", 7):
                self.assertEqual(peaks.to_dicts(), by_field, "in blocks")
            with mock.patch.object(pool, "_numeric_keys", lambda *_: ["Time", "MinPeak"]):
                self.assertEqual(peaks.to_dicts(), by_field, "rows the columns do not hold, read by field")
            self.assertEqual([list(row) for row in bulk[1:3]], [["Time", "MaxPeak", "MinPeak"]] * 2, "key order")
            self.assertEqual({type(v) for row in bulk if row for v in row.values()}, {float})
            self.assertEqual((bulk[0], bulk[1]["Time"], bulk[998]["Time"]), (None, 0.001, 0.998))

    def test_pooled_objects_are_released_by_with_and_by_collection(self):
        c = self.cobalt
        with c.record_list() as records:
            note = records.append("kv_Midi")
            note["Pitch"] = 64
            note["StartPos"] = 0.5
            note["Velocity"] = 1.0  # not an integer: ignored
            self.assertEqual(records.to_dicts(), [{}])
            self.assertEqual((note.get("Pitch", "int"), note.get("Velocity", "int")), (64, 0))
            with self.assertRaises(ValueError):
                records.append("Note")
        self.assertEqual(note.get("Pitch", "int"), 0, "released with its list")
        self.assertEqual(records.handle, 0)

        array = c.array()
        handle = array.handle
        for value in (True, 3, 2.5, "text", None):
            array.append(value)
        self.assertEqual((array.get_bool(0), array.get_int(1), array.get_float(2), array.get_text(3)),
                         (True, 3, 2.5, "text"))
        with self.assertRaises(OverflowError):
            array.append(2**31)
        del array
        gc.collect()
        self.assertEqual(lib.py_get_obj_size(handle), 0, "collected: released")
        table = c.map()
        table["b"], table["a"] = 1, "x"
        self.assertEqual((table.text_at(0), table.int_at(1), len(table)), (("a", "x"), ("b", 1), 2))
        self.assertTrue(table.release())
        self.assertFalse(table.release())

    def test_records_keep_their_list_and_lists_iterate(self):
        note = self.cobalt.record_list().append("kv_Midi")
        gc.collect()
        note["Pitch"] = 60
        self.assertEqual(note.get("Pitch", "int"), 60, "the record keeps its list alive")
        records = self.cobalt.record_list()
        note = records.append("kv_Midi")
        records.append("kv_Peak")
        self.assertEqual([type(r).__name__ for r in itertools.islice(records, 5)], ["Record", "Record"])
        self.assertEqual(records[-1].handle, lib.py_get_ptr_inarray(records.handle, 1))
        self.assertTrue(note.release())
        self.assertEqual((note.handle, note.release(), records[0]), (0, False, None), "released once")
        peak = records[1]
        records.release()
        self.assertEqual((peak.handle, len(peak)), (0, 0), "released with its list")

    def test_out_of_range_integers_are_never_cut_short(self):
        with self.cobalt.array() as array:
            array.append(7)
            self.assertEqual((array.get_int(2**32), array.get_text(2**32), array.get_int(0)), (0, "", 7))
        with self.assertRaises(OverflowError):
            self.cobalt.GetTrackIdChildList(None, 2**32 + 1)

    def test_outside_reaper_handle_strings_are_refused(self):
        track, = add_tracks(0)
        handle = "(MediaTrack*)0x%016X" % track
        for value, error in ((handle, ValueError), ("(MediaItem*)" + handle[13:], TypeError), (str(track), ValueError)):
            with self.assertRaises(error, msg=value):
                self.cobalt.GetTrackItemChildList(value)
        self.assertEqual(self.cobalt.GetTrackItemList("(ReaProject*)0x" + "0" * 16), (True, [track]), "the null one")
        with self.assertRaises(RuntimeError):
            kv_cobalt.Cobalt(handle_strings=True)

    def test_arrays_released_by_name_are_never_released_again(self):
        inner, outer = self.cobalt.array(), self.cobalt.array()
        outer.append(ctypes.c_void_p(inner.handle))
        self.assertTrue(outer.release_with_named())
        self.assertEqual(inner.handle, 0)
        newer = [self.cobalt.array() for _ in range(100)]  # some may take the freed addresses
        for array in newer:
            array.append(1)
        del inner
        gc.collect()
        self.assertEqual(sum(map(len, newer)), 100)

    def test_threads_sharing_one_cobalt_see_their_own_objects(self):
        c = self.cobalt
        tracks = add_tracks(*[0] * 1000)
        rows = [{"Track": track, "Depth": 0} for track in tracks]
        failures = []

        def work(seed):
            # Whole lists pooled and released in one call each, beside the
            # other threads' own objects: the pools change all the time.
            try:
                for _ in range(20):
                    self.assertEqual(c.GetTrackDepthList(None), (True, rows))
                    arrays = [c.array() for _ in range(100)]
                    with c.array() as outer, c.record_list() as notes:
                        for k, array in enumerate(arrays):
                            array.append(seed * 1000 + k)
                            outer.append(ctypes.c_void_p(array.handle))
                        notes.append("kv_Midi")["Pitch"] = seed
                        self.assertEqual([array.get_int(0) for array in arrays], [seed * 1000 + k for k in range(100)])
                        self.assertEqual(notes[0].get("Pitch", "int"), seed)
                        self.assertTrue(outer.release_with_named())
                    self.assertEqual({array.handle for array in arrays}, {0})
            except BaseException as error:  # reported by the test's own thread
                failures.append(error)

        interval = sys.getswitchinterval()
        sys.setswitchinterval(1e-6)  # the threads take turns as often as they can
        try:
            threads = [threading.Thread(target=work, args=(seed,)) for seed in range(4)]
            for thread in threads:
                thread.start()
            for thread in threads:
                thread.join()
        finally:
            sys.setswitchinterval(interval)
        self.assertEqual(failures, [])

    def test_a_thread_holding_the_lock_keeps_another_threads_to_dicts_waiting(self):
        # The lock is held through a Cobalt that loaded the same file by another
        # name: one file, one lock.
        with tempfile.TemporaryDirectory() as folder:
            other_name = os.path.join(folder, "other" + os.path.splitext(lib._name)[1])
            os.symlink(os.path.abspath(lib._name), other_name)
            other = kv_cobalt.Cobalt(other_name)
        self.assertIs(other.native.lock, lib.lock)
        records = self.cobalt.record_list()
        records.append("kv_Midi")
        at_the_lock, calls, result = threading.Event(), [], []
        real_lock, size = lib.lock, lib.unlocked.py_get_obj_size

        class Watched:
            """The library's lock, telling when the other thread gets to it."""

            def __enter__(self):
                if threading.current_thread() is not threading.main_thread():
                    at_the_lock.set()
                return real_lock.__enter__()

            def __exit__(self, *exc_info):
                return real_lock.__exit__(*exc_info)

        def counted_size(handle):
            calls.append(handle)
            at_the_lock.set()
            return size(handle)

        with mock.patch.object(lib, "lock", Watched()), mock.patch.object(lib.unlocked, "py_get_obj_size", counted_size):
            reader = threading.Thread(target=lambda: result.append(records.to_dicts()))
            with other.native.lock:
                reader.start()
                at_the_lock.wait()
                self.assertEqual(calls, [], "to_dicts reached the library while another thread held the lock")
            reader.join()
        self.assertEqual((result, calls[0]), ([[{}]], records.handle))

    def test_argument_errors_name_the_function_the_argument_and_what_it_takes(self):
        c = self.cobalt
        for call, error, message in (
                (lambda: c.GetTrackIdChildList(None, "1"), TypeError,
                 "GetTrackIdChildList(track_index): takes an int, not str '1'"),
                (lambda: c.GetStringSplitList(5, ","), TypeError, "GetStringSplitList(text): takes a str or bytes, not int 5"),
                (lambda: c.GetUserInputList("t", 2**31, "a", "b"), OverflowError,
                 "GetUserInputList(input_count): takes a 32-bit int; 2147483648 is out of range"),
                (lambda: c.GetTrackItemList(1.5), TypeError, "GetTrackItemList(project): 1.5 is no ReaProject* handle"),
                (lambda: c.array().append(object), TypeError, "Array.append: value takes a bool, int, float, str, bytes, "
                 "None or ctypes.c_void_p, not type <class 'object'>"),
                (lambda: c.array().get_int("1"), TypeError, "Array.get_int: index takes an int, not str '1'"),
                (lambda: c.map().__setitem__(3, 1), TypeError, "Map.__setitem__: key takes a str or bytes, not int 3"),
                (lambda: c.record_list().append("Note"), ValueError,
                 "RecordList.append: type_name takes one of TrackDetail, kv_Midi, kv_Peak, not 'Note'"),
                (lambda: c.GetStringSplitList("\ud800", ","), ValueError,
                 "GetStringSplitList(text): holds '\\ud800', which UTF-8 cannot encode"),
                (lambda: c.map().__setitem__("\ud800", 1), ValueError,
                 "Map.__setitem__: key holds '\\ud800', which UTF-8 cannot encode")):
            with self.assertRaises(error) as raised:
                call()
            self.assertEqual(str(raised.exception), message)

    def test_arguments_by_name_are_taken_and_checked_as_by_position(self):
        c = self.cobalt
        add_tracks(1, -1)
        self.assertEqual(c.GetStringSplitList(text="a,b", delimiters=","), (True, ["a", "b"]))
        self.assertEqual(c.GetTrackIdChildList(None, track_index=0), c.GetTrackIdChildList(None, 0))
        with self.assertRaises(TypeError) as raised:
            c.GetTrackIdChildList(None, track_index="0")
        self.assertEqual(str(raised.exception), "GetTrackIdChildList(track_index): takes an int, not str '0'")
        with self.assertRaises(TypeError):
            c.GetStringSplitList(text="a,b", separators=",")
        with c.array() as array:
            array.append(value=7)
            self.assertEqual(array.get_int(index=0), 7)
            with self.assertRaises(OverflowError) as raised:
                array.append(value=2**31)
            self.assertEqual(str(raised.exception), "Array.append: value takes a 32-bit int; 2147483648 is out of range")

    def test_every_wrapper_of_a_released_object_reads_0_whichever_cobalt_made_it(self):
        other = kv_cobalt.Cobalt()  # the same library: one set of pools
        inner, outer = other.array(), self.cobalt.array()
        outer.append(ctypes.c_void_p(inner.handle))
        self.assertTrue(outer.release_with_named())
        self.assertEqual(inner.handle, 0)
        self.assertFalse(inner.release())

        records = other.record_list()
        note = records.append("kv_Midi")
        again = records[0]
        self.assertTrue(again.release())
        self.assertEqual((note.handle, note.release()), (0, False))
        newer = records.append("kv_Midi")
        newer["Pitch"] = 60
        self.assertEqual((note.handle, again.handle, records[1].get("Pitch", "int")), (0, 0, 60))
        records.release()
        self.assertEqual((newer.handle, len(newer)), (0, 0))

    def test_texts_with_a_nul_are_refused_and_nothing_is_stored(self):
        c = self.cobalt
        with c.map() as table, c.array() as array, c.record_list() as records:
            for key, value in (("a\0secret", 1), ("k", "a\0b"), (b"a\0", 2), ("k", b"x\0")):
                with self.assertRaises(ValueError):
                    table[key] = value
            self.assertEqual(len(table), 0)
            for value in ("a\0b", b"\0"):
                with self.assertRaises(ValueError):
                    array.append(value)
            self.assertEqual(len(array), 0)
            with self.assertRaises(ValueError):
                records.append("kv_Midi\0junk")
            self.assertEqual(len(records), 0)
            row = records.append("TrackDetail")
            for key, value in (("Name\0x", "Bass"), ("Name", "Ba\0ss")):
                with self.assertRaises(ValueError):
                    row[key] = value
            self.assertEqual(row.get("Name", "string"), "")
            with self.assertRaises(ValueError):
                row.get("Name\0x", "string")
        for call in (lambda: c.GetStringSplitList("a,b\0,c", ","), lambda: c.GetStringSplitList("a,b", ",\0"),
                     lambda: c.GetSamePerfectTrackNameList(None, "Bass\0"),
                     lambda: c.GetIncludePerfectTrackNameList(None, "\0"),
                     lambda: c.GetFilePathList("/tmp\0/x", "wav"),
                     lambda: c.GetUserInputList("Title", 1, "one\0", "x")):
            with self.assertRaises(ValueError):
                call()


if __name__ == "__main__":
    unittest.main()
