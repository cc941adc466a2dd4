"""The reaper_KELVARO_COBALT library for Python scripts, on its C interface.

    import kv_cobalt
    cobalt = kv_cobalt.Cobalt("/path/to/reaper_KELVARO_COBALT.so")
    ok, rows = cobalt.GetTrackDepthList(None)   # [{"Track": ..., "Depth": 0}, ...]

Every list function returns its success flag and the list as plain Python
values (addresses as int or None, texts as str, records as dicts of their
present fields); the pooled result is released before the function returns.
Arrays, maps and record lists of your own come from ``array()``, ``map()`` and
``record_list()`` and are released by a ``with`` block or when collected.
Arguments go by position or by name, checked alike. Integers beyond 32 bits
raise OverflowError rather than reach the library cut short, and texts (str as
UTF-8, or bytes) holding a NUL raise ValueError for the same reason, as does a
str that UTF-8 cannot encode (a lone surrogate); each error names the argument.

Projects, tracks and items are addresses (int) or None. Inside a REAPER Python
ReaScript they are REAPER's handle strings too. The package knows it is there
when REAPER's module ``reaper_python`` is already imported (REAPER imports it
before any script runs; the package never imports it) and has ``rpr_getfp``
and ``RPR_GetResourcePath``:

    cobalt = kv_cobalt.Cobalt()              # the library in REAPER's UserPlugins
    ok, tracks = cobalt.GetTrackItemList(None)
    RPR_GetTrackName(tracks[0], "", 512)     # "(MediaTrack*)0x..." as RPR_ functions take it

There the functions take ``"(MediaTrack*)0x..."``, ``"(MediaItem*)0x..."`` and
``"(ReaProject*)0x..."`` strings or addresses, each confirmed live by REAPER's
ValidatePtr2, called by its address, first (ValueError when it is not, or the
string is malformed; TypeError for a handle of another type), and hand tracks
back as strings; ``host_function(name, result, *parameters)`` gives any host
or SWS function by address, or says which extension is missing;
``Cobalt(handle_strings=False)`` hands back addresses there too. Outside
REAPER nothing can confirm a handle string, so only addresses are taken.
The pooled objects of your own hold addresses as they are (a str stored
there is text): ``address()`` and ``handle()`` convert.

Threads may share a Cobalt. The library's pools have no lock of their own, so
every call into a loaded library runs under that library's one lock (shared by
every Cobalt on the same file, ``cobalt.native.lock``), and each method here
makes all its calls under it: calls from several threads take turns, and no
thread sees another's object half made or freed. Not covered:

- a sequence of method calls is not one step: a list another thread appends to
  may grow between ``len()`` and reading it. Hold ``cobalt.native.lock`` (it is
  reentrant) around such a sequence;
- calls into the library that bypass the lock: a ctypes handle on the file
  loaded by other means than this package, or the host's own threads;
- waiting: while one thread's call runs (a long item's peak list, a user input
  dialog), every other thread's call into the library waits for it.
"""
import ctypes
import functools
import inspect
import typing
from typing import Any, Callable, Dict, List, Optional, Tuple, Type, TypeVar, Union

from . import _native
from ._native import encode
from .handles import Handle, Handles, MissingFunctionError, host_function
from .pool import RECORD_TYPES, Array, Map, PooledType, Record, RecordList, _check_int, _renamed

__all__ = ["Cobalt", "Array", "Map", "Record", "RecordList", "RECORD_TYPES", "MissingFunctionError",
           "host_function"]

Track = Union[int, str, None]
TRACK, PROJECT = "MediaTrack*", "ReaProject*"
Records = List[Optional[Dict[str, Any]]]
# The handle type each handle argument names, by the argument's name.
_HANDLE_TYPES = {"project": PROJECT, "track": TRACK, "item": "MediaItem*"}
Method = TypeVar("Method", bound=Callable[..., Any])


def _arguments(method: Method) -> Method:
    """Converts a list function's arguments, given by position or by name, for the library
    by their annotations (int: 32-bit, str: text, Handle: confirmed address); a refused one raises its
    error prefixed with the function and argument, as "GetTrackIdChildList(track_index): ..."."""
    signature = inspect.signature(method)
    hints = typing.get_type_hints(method)

    @functools.wraps(method)
    def converted(self: "Cobalt", *arguments: Any, **keywords: Any) -> Any:
        bound = signature.bind(self, *arguments, **keywords)
        values: List[Any] = []
        for name, value in list(bound.arguments.items())[1:]:
            try:
                if hints[name] is int:
                    values.append(_check_int(value))
                elif hints[name] is str:
                    values.append(encode(value))
                else:
                    values.append(self.address(value, _HANDLE_TYPES[name]))
            except (TypeError, ValueError, OverflowError) as error:
                raise _renamed(error, "%s(%s): %s" % (method.__name__, name, error)) from None
        return method(self, *values)

    return typing.cast(Method, converted)


class Cobalt:
    """The library loaded from ``path`` (else ``$KV_COBALT_LIBRARY``, else,
    inside REAPER's Python, the one in REAPER's UserPlugins folder).

    List functions that need the host answer False unless the library runs
    inside one (REAPER, or the headless host that loaded the same file).
    handle_strings: None hands tracks back as handle strings inside REAPER's
    Python and as addresses elsewhere; False as addresses everywhere."""

    def __init__(self, path: Optional[str] = None, handle_strings: Optional[bool] = None):
        self._handles = Handles(handle_strings)
        self.native = _native.load(path, default=self._handles.library())

    def address(self, handle: Handle, type_name: str) -> Union[int, ctypes.c_void_p, None]:
        """The address of a handle of type_name ("MediaTrack*", "MediaItem*", "ReaProject*", or
        another type ValidatePtr2 knows, such as "MediaItem_Take*"), checked as the functions check it."""
        return self._handles.address(handle, type_name)

    def handle(self, address: Optional[int], type_name: str) -> Union[int, str, None]:
        """An address as the functions hand it back: REAPER's handle string inside REAPER."""
        return self._handles.handle(address, type_name)

    # Pooled objects of your own

    def array(self) -> Array:
        """A new empty array."""
        return self._create(Array, "py_create_array")

    def map(self) -> Map:
        """A new empty map."""
        return self._create(Map, "py_create_map")

    def record_list(self) -> RecordList:
        """A new empty record list."""
        return self._create(RecordList, "py_create_kvList_array")

    def _create(self, kind: Type[PooledType], create: str) -> PooledType:
        with self.native.lock:  # no other thread's call between making the object and wrapping it
            return kind(self.native, getattr(self.native, create)(), new=True)

    # The list functions

    def _run(self, name: str, read: Callable[[Any], List[Any]], *arguments: Any) -> Tuple[bool, List[Any]]:
        """Calls the export, reads the pooled result with read (_tracks, _records
        or _texts) and releases it."""
        ok, values, _ = self._run_counted(name, read, *arguments, counted=False)
        return ok, values

    def _run_counted(self, name: str, read: Callable[[Any], List[Any]], *arguments: Any,
                     counted: bool = True) -> Tuple[bool, List[Any], int]:
        """_run of an export that also writes a count."""
        handle = ctypes.c_uint64(0)
        count = ctypes.c_int(0)
        extra = (ctypes.byref(count),) if counted else ()
        values: List[Any] = []
        with self.native.lock:
            ok = bool(getattr(self.native, name)(*arguments, ctypes.byref(handle), *extra))
            if handle.value:
                kind = RecordList if read == self._records else Array
                with kind(self.native, handle.value, new=True) as pooled:
                    values = read(pooled)
        return ok, values, count.value

    def _tracks(self, pooled: Array) -> List[Track]:
        return [self.handle(address, TRACK) for address in pooled.addresses()]

    def _records(self, pooled: RecordList) -> Records:
        return pooled.to_dicts(self._handles.handle if self._handles.strings else None)

    @staticmethod
    def _texts(pooled: Array) -> List[str]:
        return pooled.texts()

    @_arguments
    def GetTrackItemList(self, project: Handle) -> Tuple[bool, List[Track]]:
        """Every track of the project (None: the current one), in order."""
        return self._run("py_GetTrackItemList", self._tracks, project)

    @_arguments
    def GetTrackItemChildList(self, track: Handle) -> Tuple[bool, List[Track], int]:
        """The direct children of a track, and their count."""
        return self._run_counted("py_GetTrackItemChildList", self._tracks, track)

    @_arguments
    def GetTrackIdChildList(self, project: Handle, track_index: int) -> Tuple[bool, List[Track], int]:
        """The direct children of the track at an index (the top level when there is none), and their count."""
        return self._run_counted("py_GetTrackIdChildList", self._tracks, project, track_index)

    @_arguments
    def GetSelectedTrackIdChildList(self, project: Handle, selected_index: int) -> Tuple[bool, List[Track]]:
        """The direct children of the selected track at an index (the top level when there is none);
        False when the list is empty."""
        return self._run("py_GetSelectedTrackIdChildList", self._tracks, project, selected_index)

    @_arguments
    def GetTrackDepthList(self, project: Handle) -> Tuple[bool, Records]:
        """{"Track", "Depth"} per track; False when the project has no track."""
        return self._run("py_GetTrackDepthList", self._records, project)

    @_arguments
    def GetSamePerfectTrackNameList(self, project: Handle, name: str) -> Tuple[bool, Records]:
        """{"Track", "Index"} per track named exactly name; False when none is."""
        return self._run("py_GetSamePerfectTrackNameList", self._records, project, name)

    @_arguments
    def GetIncludePerfectTrackNameList(self, project: Handle, name: str) -> Tuple[bool, Records]:
        """{"Track", "Index"} per track whose name contains name in any ASCII case; False when none does."""
        return self._run("py_GetIncludePerfectTrackNameList", self._records, project, name)

    @_arguments
    def GetFilePathList(self, directory: str, extension: str) -> Tuple[bool, List[str]]:
        """Paths below directory whose extension (without its dot) matches in any case; False without the folder."""
        return self._run("py_GetFilePathList", self._texts, directory, extension)

    @_arguments
    def GetStringSplitList(self, text: str, delimiters: str) -> Tuple[bool, List[str]]:
        """The fields of text cut at every byte found in delimiters."""
        return self._run("py_GetStringSplitList", self._texts, text, delimiters)

    @_arguments
    def GetUserInputList(self, title: str, input_count: int, captions: str,
                         default_values: str) -> Tuple[bool, List[str]]:
        """Asks the user for input_count comma-separated values; whether they confirmed, and the answers."""
        return self._run("py_GetUserInputList", self._texts, title, input_count, captions, default_values)

    @_arguments
    def GetMediaItemPeakList(self, item: Handle) -> Tuple[bool, Records]:
        """{"Time", "MaxPeak", "MinPeak"} (seconds, dB) per millisecond of the item."""
        return self._run("py_GetMediaItemPeakList", self._records, item)

    @_arguments
    def GetMediaIdPeakList(self, project: Handle, item_index: int) -> Tuple[bool, Records]:
        """The peak list of the item at an index of the project."""
        return self._run("py_GetMediaIdPeakList", self._records, project, item_index)

    @_arguments
    def GetSelectedMediaIdPeakList(self, project: Handle, selected_index: int) -> Tuple[bool, Records]:
        """The peak list of the selected item at an index."""
        return self._run("py_GetSelectedMediaIdPeakList", self._records, project, selected_index)
