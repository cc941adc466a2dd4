"""The library's C interface for Python, declared for ctypes: every exported
``py_`` function with its result and argument types."""
import ctypes
import os
import threading
import types
from typing import Dict, Optional

# The declarations are generated from the library's own tables.
from ._exports import LIST_FUNCTIONS, POOL_FUNCTIONS, TEXT_CAPACITY

#: Where the library is looked for when no path is given.
LIBRARY_VARIABLE = "KV_COBALT_LIBRARY"


class Library(ctypes.CDLL):
    """The loaded library with every export declared. Its pools have no lock of
    their own, so each export runs under ``lock``, the library's one lock: calls
    from several threads take turns. Hold it around calls that must follow each
    other with no other thread's call between them; while holding it, the same
    exports without the lock are ``unlocked``'s attributes."""

    def __init__(self, path: str):
        super().__init__(path)
        self.lock = threading.RLock()
        self.unlocked = types.SimpleNamespace()
        for name, (result, arguments) in {**POOL_FUNCTIONS, **LIST_FUNCTIONS}.items():
            function = self[name]
            function.restype = result
            function.argtypes = arguments
            setattr(self.unlocked, name, function)
            setattr(self, name, _under(self.lock, function))


def _under(lock: "threading.RLock", function):
    def call(*arguments):
        with lock:
            return function(*arguments)

    call.__name__ = call.__qualname__ = function.__name__
    return call


# One Library per loaded file, whatever path named it: one lock for one set of pools.
_loaded: Dict[int, Library] = {}


def load(path: Optional[str] = None, default: Optional[str] = None) -> Library:
    """The library (``path``, else ``$KV_COBALT_LIBRARY``, else ``default``) with every export declared.

    Loading the file the host already loaded gives the same library, with the
    same pools; loading it again gives the same Library object, with the same lock."""
    path = path or os.environ.get(LIBRARY_VARIABLE) or default
    if not path:
        raise OSError("no library path given and %s is not set" % LIBRARY_VARIABLE)
    library = Library(path)
    # One step under the interpreter lock: two threads loading at once get the same Library.
    return _loaded.setdefault(library._handle, library)


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
    elif isinstance(value, str):
        try:
            raw = value.encode("utf-8", "surrogateescape")
        except UnicodeEncodeError as error:
            raise ValueError("holds %r, which UTF-8 cannot encode" % error.object[error.start:error.end]) from None
    else:
        raise TypeError("takes a str or bytes, not %s %r" % (type(value).__name__, value))
    if b"\0" in raw:
        raise ValueError("holds a NUL byte, where the library would cut it short")
    return raw


def decode(raw: bytes) -> str:
    """Bytes from the library as str; bytes that are no UTF-8 survive a round trip."""
    return raw.decode("utf-8", "surrogateescape")


def text_buffer() -> ctypes.Array:
    return ctypes.create_string_buffer(TEXT_CAPACITY)
