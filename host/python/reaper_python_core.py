# The conventions under kvhost's reaper_python, as REAPER's own module applies
# them and nowhere kinder: function addresses from the host's C library
# (loaded in this process, with the extension), handles as "(Type*)0x..."
# strings validated against the parameter's declared type, UTF-8 strings and
# 4 MiB char* buffers.
import os
import re
import sys
from ctypes import CDLL, CFUNCTYPE, c_byte, c_char_p, c_uint64, c_void_p, create_string_buffer

_host = CDLL(os.environ["KVHOST_LIBRARY"])
_host.kvhost_get_func.restype = c_void_p
_host.kvhost_get_func.argtypes = [c_char_p]
# A type name of word characters ending in * (or HWND), upper-case hex digits,
# one trailing newline at most.
_handle = re.compile(r"\(([A-Za-z0-9_]+\*|HWND)\)0x([0-9A-F]*)\n?")


def _validate(address, type_name):
  # The host's ValidatePtr, called by address as the module does.
  return CFUNCTYPE(c_byte, c_uint64, c_char_p)(rpr_getfp("ValidatePtr"))(address, type_name)


def rpr_getfp(name):
  # A plain look-up in the host's table: a name it does not offer is a KeyError, never 0.
  address = _host.kvhost_get_func(name.encode("UTF-8")) if isinstance(name, str) else None
  if not address:
    raise KeyError(name)
  return address


def rpr_packp(ctype, v):
  m = _handle.fullmatch(v) if isinstance(v, str) else None
  if not m:
    return 0
  digits = m.group(2)
  if len(digits) <= 8:
    raise ValueError("%r: eight hex digits or fewer leave no low half to read" % v)
  if ctype != "void*" and m.group(1) != ctype:
    return 0
  address = int(digits[:8], 16) << 32 | int(digits[8:], 16)
  if address >> 64:
    return 0
  # Validated as the parameter's declared type: "void*" is no type ValidatePtr knows.
  return address if _validate(address, ctype.encode("UTF-8")) else 0


def rpr_unpackp(ctype, v):
  v = v or 0
  return "(%s)0x%08X%08X" % (ctype, (v >> 32) & 0xFFFFFFFF, v & 0xFFFFFFFF)


def rpr_packsc(v):
  return str(v).encode("UTF-8")


def rpr_packs(v):
  return create_string_buffer(str(v).encode("UTF-8"), 4 * 1024 * 1024)


def rpr_unpacks(v):
  return v.value.decode()


def RPR_ValidatePtr(pointer, ctypename):
  # An integer address only: c_uint64 of a handle string raises TypeError.
  return _validate(c_uint64(pointer), rpr_packsc(ctypename))


# Code queued by RPR_defer and RPR_runloop for the next cycle, and by
# RPR_atexit for the end of the run: (code, the caller's globals), in order.
_deferred = []
_at_exit = []
_script_deferred = False
_own_files = (os.path.dirname(os.path.abspath(__file__)), os.path.dirname(os.path.abspath(re.__file__)))


def _queue(code, queue):
  # REAPER's Python forms take code strings, run in the script's globals.
  if not isinstance(code, str):
    raise TypeError("deferred code must be a string, not %s" % type(code).__name__)
  queue.append((code, sys._getframe(2).f_globals))


def RPR_defer(code):
  global _script_deferred
  _queue(code, _deferred)
  _script_deferred = True


def RPR_runloop(code):
  global _script_deferred
  _queue(code, _deferred)
  _script_deferred = True


def RPR_atexit(code):
  _queue(code, _at_exit)


def _script_location():
  # The innermost frame of the script's own code: "script.py:12".
  frame = sys._getframe(1)
  while frame and os.path.dirname(os.path.abspath(frame.f_code.co_filename)) in _own_files:
    frame = frame.f_back
  return "%s:%d" % (frame.f_code.co_filename, frame.f_lineno) if frame else ""


def _not_implemented(name):
  def stop(*args):
    sys.stdout.flush()
    sys.stderr.write("kvhost does not implement RPR_%s (%s)\n" % (name, _script_location()))
    sys.stderr.flush()
    os._exit(3)
  stop.__name__ = "RPR_" + name
  return stop


# What reaper_python passes on to scripts: the rpr_ helpers, RPR_ValidatePtr and the script
# engine's RPR_defer, RPR_runloop and RPR_atexit, not this module's imports.
__all__ = [name for name in list(globals()) if name.startswith(("rpr_", "RPR_"))]
