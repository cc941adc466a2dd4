"""Reading a 600,000-record peak list (a 10-minute item) back through the
kv_cobalt package, inside the headless host: pooled by the library, then every
record read into a dict. Run: python3 bench/python_read_back.py build"""
import array
import ctypes
import math
import os
import sys
import tempfile
import time
import wave

build = sys.argv[1] if len(sys.argv) > 1 else "build"
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
    cobalt.native.py_release_obj(handle.value)
    start_read = time.perf_counter()
    ok, peaks = cobalt.GetMediaItemPeakList(item)
    done = time.perf_counter()
    assert ok and len(peaks) == seconds * 1000
    print("records: %d" % len(peaks))
    print("pooled by py_GetMediaItemPeakList: %.0f ms" % ((pooled - start) * 1000))
    print("pooled and read back as dicts by kv_cobalt: %.2f s (%.2f us per record)"
          % (done - start_read, (done - start_read) / len(peaks) * 1e6))
