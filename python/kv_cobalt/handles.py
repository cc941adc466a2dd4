"""Project, track and item handles as a Cobalt takes and gives them.

Inside REAPER's Python a handle is a string, ``"(MediaTrack*)0x"`` and 16
upper-case hex digits, and a script passes it on to the ``RPR_`` functions as
it is. The package knows it runs there when REAPER's module ``reaper_python``
has already been imported and offers ``rpr_getfp`` and ``RPR_GetResourcePath``:
REAPER imports it before any script runs, and nothing here imports it, so a
program that does not run in REAPER never takes another ``reaper_python`` on
its path for REAPER's.

REAPER's ``RPR_ValidatePtr2`` cannot confirm a handle string (its pointer
parameter is a ``void*``, which REAPER's module never validates, so it always
answers 0): handles are confirmed by calling the host's ValidatePtr2 by its
address instead.
"""
import ctypes
import re
import sys
import types
from typing import Any, Callable, Optional, Union

#: A project, track or item as a Cobalt takes it: an address, a handle string, or None.
Handle = Union[int, str, ctypes.c_void_p, None]

_HANDLE = re.compile(r"\((.+)\)0x([0-9A-F]{16})")
_ADDRESSES = range(1, 2**64)
_LIBRARY_SUFFIX = ".dll" if sys.platform == "win32" else ".dylib" if sys.platform == "darwin" else ".so"
# Extensions whose functions scripts commonly call, by their functions' prefixes.
_PROVIDERS = {"BR_": "SWS", "NF_": "SWS", "CF_": "SWS", "SNM_": "SWS", "KV_": "reaper_KELVARO_COBALT"}


class MissingFunctionError(RuntimeError):
    """The host offers no function of that name."""


def reaper_python() -> Optional[types.ModuleType]:
    """REAPER's Python module when this runs inside REAPER's Python, else None."""
    module = sys.modules.get("reaper_python")
    if all(callable(getattr(module, name, None)) for name in ("rpr_getfp", "RPR_GetResourcePath")):
        return module
    return None


def host_function(name: str, result: Any, *parameters: Any) -> Callable[..., Any]:
    """The host's function ``name`` (REAPER's own or an extension's) as a ctypes
    function of that C signature, called by address. MissingFunctionError, saying
    which extension provides it, when the host offers none of that name."""
    module = reaper_python()
    if module is None:
        raise MissingFunctionError("%s: host functions are found only inside REAPER's Python" % name)
    try:
        address = module.rpr_getfp(name)
    except KeyError:
        address = 0
    if not address:
        provider = next((p for prefix, p in _PROVIDERS.items() if name.startswith(prefix)), None)
        raise MissingFunctionError("REAPER offers no %s: %s" % (
            name, "is %s installed?" % provider if provider else "is REAPER recent enough?"))
    return ctypes.CFUNCTYPE(result, *parameters)(address)


class Handles:
    """Handle strings in and out inside REAPER's Python, addresses elsewhere.

    strings: None follows where this runs; False gives addresses (int) even
    inside REAPER; True gives strings and needs REAPER's Python."""

    def __init__(self, strings: Optional[bool] = None):
        self.reaper = reaper_python()
        if strings and self.reaper is None:
            raise RuntimeError("handle strings need REAPER's Python: its module reaper_python is not loaded")
        self.strings = self.reaper is not None if strings is None else strings
        self._validate: Optional[Callable[..., Any]] = None

    def library(self) -> Optional[str]:
        """The library in REAPER's UserPlugins folder, where REAPER loaded it from; None outside REAPER."""
        if self.reaper is None:
            return None
        return str(self.reaper.RPR_GetResourcePath()) + "/UserPlugins/reaper_KELVARO_COBALT" + _LIBRARY_SUFFIX

    def address(self, value: Handle, type_name: str) -> Union[int, ctypes.c_void_p, None]:
        """The address of a handle of type_name ("MediaTrack*", "MediaItem*", "ReaProject*", ...).

        Inside REAPER, REAPER's ValidatePtr2 confirms every address, given as a
        string or as an int, before the library gets it: a track or item of the
        current project, an open project. Elsewhere an int goes as it is and a
        string is refused: nothing there could confirm it."""
        if isinstance(value, str):
            return self._string_address(value, type_name)
        address = value.value if isinstance(value, ctypes.c_void_p) else value
        if address is not None and not isinstance(address, int):
            raise TypeError("%r is no %s handle" % (address, type_name))
        if self.reaper is None or value is None:
            return value
        if not address:
            return None
        if address not in _ADDRESSES:
            raise ValueError("%r is no address of a %s" % (address, type_name))
        self._confirm(address, type_name)
        return address

    def handle(self, address: Optional[int], type_name: str) -> Union[int, str, None]:
        """An address the library gave, as this Cobalt hands it back."""
        return handle_string(address or 0, type_name) if self.strings else address

    def _string_address(self, value: str, type_name: str) -> Optional[int]:
        match = _HANDLE.fullmatch(value)
        if match is None:
            raise ValueError("%r is no REAPER handle: a %s is written '(%s)0x' and 16 upper-case hex digits"
                             % (value, type_name, type_name))
        if match.group(1) != type_name:
            raise TypeError("%r is a %s handle where a %s is taken" % (value, match.group(1), type_name))
        address = int(match.group(2), 16)
        if not address:
            return None  # REAPER's null handle
        if self.reaper is None:
            raise ValueError("%r: handle strings are taken only inside REAPER's Python, whose ValidatePtr2 "
                             "confirms them; pass the address as an int" % value)
        self._confirm(address, type_name)
        return address

    def _confirm(self, address: int, type_name: str) -> None:
        if self._validate is None:
            self._validate = host_function("ValidatePtr2", ctypes.c_byte, ctypes.c_uint64, ctypes.c_uint64,
                                           ctypes.c_char_p)
        if not self._validate(0, address, type_name.encode()):
            raise ValueError("%s names no live %s (REAPER's ValidatePtr2)"
                             % (handle_string(address, type_name), type_name))


def handle_string(address: int, type_name: str) -> str:
    """REAPER's Python form of an address: '(MediaTrack*)0x' and 16 upper-case hex digits."""
    return "(%s)0x%016X" % (type_name, address)
