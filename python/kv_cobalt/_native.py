"""The library's C interface for Python, declared for ctypes: every exported
``py_`` function with its result and argument types."""
import ctypes
import os
from typing import Optional

# The declarations are generated from the library's own tables.
from ._exports import LIST_FUNCTIONS, POOL_FUNCTIONS, TEXT_CAPACITY

#: Where the library is looked for when no path is given.
LIBRARY_VARIABLE = "KV_COBALT_LIBRARY"


def load(path: Optional[str] = None) -> ctypes.CDLL:
    """Loads the library (``path``, else ``$KV_COBALT_LIBRARY``) and declares every export.

    Loading the file the host already loaded gives the same library, with the
    same pools."""
    path = path or os.environ.get(LIBRARY_VARIABLE)
    if not path:
        raise OSError("no library path given and %s is not set" % LIBRARY_VARIABLE)
    library = ctypes.CDLL(path)
    for name, (result, arguments) in {**POOL_FUNCTIONS, **LIST_FUNCTIONS}.items():
        function = getattr(library, name)
        function.restype = result
        function.argtypes = arguments
    return library


def encode(value: "str | bytes | None") -> bytes:
    """A text as the library's bytes: str as UTF-8 (undecodable bytes kept), None as empty.

    The library reads a text up to its first NUL, so a text holding one would
    arrive cut short: ValueError instead, as Python's own C-string calls give."""
    if value is None:
        return b""
    if isinstance(value, bytes):
        raw = value
    elif isinstance(value, os.PathLike):
        raw = os.fsencode(value)
    else:
        raw = value.encode("utf-8", "surrogateescape")
    if b"\0" in raw:
        raise ValueError("embedded null byte")
    return raw


def decode(raw: bytes) -> str:
    """Bytes from the library as str; bytes that are no UTF-8 survive a round trip."""
    return raw.decode("utf-8", "surrogateescape")


def text_buffer() -> ctypes.Array:
    return ctypes.create_string_buffer(TEXT_CAPACITY)
