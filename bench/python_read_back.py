"""Reading a 600,000-record peak list (a 10-minute item) back through the
kv_cobalt package, inside the headless host: pooled by the library, then every
record read into a dict. The goal: the read-back at most 3 times the pooling,
both measured here. --by-field also times reading each field with its own call.
Run: python3 bench/python_read_back.py build [--by-field]"""
import array
import ctypes
import math
import os
import sys
import tempfile
import time
import wave

arguments = [a for a in sys.argv[1:] if a != "--by-field"]
build = arguments[0] if arguments else "build"
root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(root, "python"))
import kv_cobalt  # noqa: E402

host = ctypes.CDLL(os.path.join(build, "libkvhost.so"))
host.kvhost_get_func.restype = ctypes.c_void_p
host.kvhost_get_func.argtypes = [ctypes.c_char_p]
assert host.kvhost_load_extension(None) == 1
cobalt = kv_cobalt.Cobalt(os.path.join(build, "reaper_KELVARO_COBALT.so"))
pointer = ctypes.c_void_p


def function(name, result, *arguments):
    return ctypes.CFUNCTYPE(result, *arguments)(host.kvhost_get_func(name.encode()))


with tempfile.TemporaryDirectory() as folder:
    path = os.path.join(folder, "ten_minutes.wav")
    rate, seconds = 8000, 600
    samples = array.array("h", (int(12000 * math.sin(i * 0.05)) for i in range(rate * seconds)))
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(samples.tobytes())
    function("InsertTrackAtIndex", None, ctypes.c_int, ctypes.c_bool)(0, False)
    track = function("GetTrack", pointer, pointer, ctypes.c_int)(None, 0)
    item = function("AddMediaItemToTrack", pointer, pointer)(track)
    take = function("AddTakeToMediaItem", pointer, pointer)(item)
    source = function("PCM_Source_CreateFromFile", pointer, ctypes.c_char_p)(path.encode())
    function("SetMediaItemTake_Source", ctypes.c_bool, pointer, pointer)(take, source)
    function("SetMediaItemInfo_Value", ctypes.c_bool, pointer, ctypes.c_char_p, ctypes.c_double)(
        item, b"D_LENGTH", float(seconds))

    handle = ctypes.c_uint64(0)
    start = time.perf_counter()
    cobalt.native.py_GetMediaItemPeakList(item, ctypes.byref(handle))
    pooled = time.perf_counter()
    with kv_cobalt.RecordList(cobalt.native, handle.value, new=True) as records:
        peaks = records.to_dicts()
    done = time.perf_counter()
    assert len(peaks) == seconds * 1000
    pool_seconds, read_seconds = pooled - start, done - pooled
    start = time.perf_counter()
    ok, whole = cobalt.GetMediaItemPeakList(item)
    whole_seconds = time.perf_counter() - start
    assert ok and whole == peaks
    print("records: %d" % len(peaks))
    print("pooled by py_GetMediaItemPeakList: %.0f ms" % (pool_seconds * 1000))
    print("read back as dicts and released by kv_cobalt: %.0f ms (%.2f us per record)"
          % (read_seconds * 1000, read_seconds / len(peaks) * 1e6))
    print("read-back to pooling: %.1f (goal: at most 3)" % (read_seconds / pool_seconds))
    print("both in one GetMediaItemPeakList call: %.0f ms" % (whole_seconds * 1000))
    if "--by-field" in sys.argv:
        cobalt.native.py_GetMediaItemPeakList(item, ctypes.byref(handle))
        with kv_cobalt.RecordList(cobalt.native, handle.value, new=True) as records:
            start = time.perf_counter()
            fields = [record.to_dict() if record is not None else None for record in records]
            by_field = time.perf_counter() - start
        assert fields == peaks
        print("read back field by field: %.2f s (%.2f us per record)" % (by_field, by_field / len(peaks) * 1e6))
