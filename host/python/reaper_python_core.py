# The conventions under kvhost's reaper_python: function addresses from the
# host's C library (loaded in this process, with the extension), handles as
# "(Type*)0x..." strings, UTF-8 strings and 4 MiB char* buffers.
import os
import re
from ctypes import *

_host = CDLL(os.environ["KVHOST_LIBRARY"])
_host.kvhost_get_func.restype = c_void_p
_host.kvhost_get_func.argtypes = [c_char_p]
_handle = re.compile(r"\((.+)\)0x([0-9A-F]{16})")


def rpr_getfp(name):
  return _host.kvhost_get_func(str(name).encode("UTF-8")) or 0


def rpr_packp(ctype, v):
  # An address only for a live object named as the parameter's type (any type for void*).
  m = _handle.fullmatch(v) if isinstance(v, str) else None
  if not m or (ctype != "void*" and m.group(1) != ctype):
    return 0
  address = int(m.group(2), 16)
  validate = CFUNCTYPE(c_byte, c_uint64, c_char_p)(rpr_getfp("ValidatePtr"))
  return address if validate(address, m.group(1).encode("UTF-8")) else 0


def rpr_unpackp(ctype, v):
  v = v or 0
  return "(%s)0x%08X%08X" % (ctype, (v >> 32) & 0xFFFFFFFF, v & 0xFFFFFFFF)


def rpr_packsc(v):
  return str(v).encode("UTF-8")


def rpr_packs(v):
  return create_string_buffer(str(v).encode("UTF-8"), 4 * 1024 * 1024)


def rpr_unpacks(v):
  return v.value.decode()


def rpr_unpackc(v):
  return v.decode() if v is not None else None
