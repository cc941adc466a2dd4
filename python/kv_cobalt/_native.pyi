"""Types of the library as _native.load returns it. Generated from the library's declarations by kv_docgen; do not edit."""
import ctypes
import threading
from typing import Any, Optional

from ._exports import LIST_FUNCTIONS as LIST_FUNCTIONS, POOL_FUNCTIONS as POOL_FUNCTIONS

TEXT_CAPACITY: int
LIBRARY_VARIABLE: str


class Library(ctypes.CDLL):
    """The loaded library with every export declared, each called under ``lock``."""

    lock: threading.RLock
    #: The same exports without the lock, for a caller that holds it.
    unlocked: Any

    def py_create_array(self) -> int:
        """Creates an empty array; returns its handle."""
    def py_create_map(self) -> int:
        """Creates an empty map; returns its handle."""
    def py_create_kvList_array(self) -> int:
        """Creates an empty record list; returns its handle."""
    def py_create_kvObj_inarray(self, handle: int, typeName: bytes) -> int:
        """Appends a new empty record (TrackDetail, kv_Midi or kv_Peak) to a record list; returns its handle, 0 when the type or the list is unknown."""
    def py_set_array_int(self, handle: int, value: int) -> None:
        """Appends an integer to an array."""
    def py_set_array_double(self, handle: int, value: float) -> None:
        """Appends a number to an array."""
    def py_set_array_bool(self, handle: int, value: bool) -> None:
        """Appends a boolean to an array."""
    def py_set_array_ptr(self, handle: int, value: Optional[int]) -> None:
        """Appends an address to an array."""
    def py_set_array_string(self, handle: int, value: bytes) -> None:
        """Appends a text to an array."""
    def py_get_int_inarray(self, handle: int, index: int) -> int:
        """The integer at index of an array, else 0."""
    def py_get_double_inarray(self, handle: int, index: int) -> float:
        """The number at index of an array, else 0."""
    def py_get_bool_inarray(self, handle: int, index: int) -> bool:
        """The boolean at index of an array, else false."""
    def py_get_ptr_inarray(self, handle: int, index: int) -> Optional[int]:
        """The address at index of an array, or the record handle at index of a record list; else null."""
    def py_get_string_inarray(self, handle: int, index: int, valueOut: ctypes.Array[ctypes.c_char]) -> None:
        """Writes the text at index of an array, else an empty text."""
    def py_set_map_int(self, handle: int, key: bytes, value: int) -> None:
        """Sets a key of a map to an integer."""
    def py_set_map_double(self, handle: int, key: bytes, value: float) -> None:
        """Sets a key of a map to a number."""
    def py_set_map_bool(self, handle: int, key: bytes, value: bool) -> None:
        """Sets a key of a map to a boolean."""
    def py_set_map_ptr(self, handle: int, key: bytes, value: Optional[int]) -> None:
        """Sets a key of a map to an address."""
    def py_set_map_string(self, handle: int, key: bytes, value: bytes) -> None:
        """Sets a key of a map to a text."""
    def py_get_int_inmap(self, handle: int, index: int, keyOut: ctypes.Array[ctypes.c_char]) -> int:
        """The integer of the entry at index in key order, its key written out; else 0 and an empty key."""
    def py_get_double_inmap(self, handle: int, index: int, keyOut: ctypes.Array[ctypes.c_char]) -> float:
        """The number of the entry at index in key order, its key written out; else 0 and an empty key."""
    def py_get_bool_inmap(self, handle: int, index: int, keyOut: ctypes.Array[ctypes.c_char]) -> bool:
        """The boolean of the entry at index in key order, its key written out; else false and an empty key."""
    def py_get_ptr_inmap(self, handle: int, index: int, keyOut: ctypes.Array[ctypes.c_char]) -> Optional[int]:
        """The address of the entry at index in key order, its key written out; else null and an empty key."""
    def py_get_string_inmap(self, handle: int, index: int, keyOut: ctypes.Array[ctypes.c_char], valueOut: ctypes.Array[ctypes.c_char]) -> None:
        """Writes the key and text of the entry at index in key order; else two empty texts."""
    def py_get_obj_size(self, handle: int) -> int:
        """Elements of an array, entries of a map, records of a record list, present fields of a record; else 0."""
    def py_release_obj(self, handle: int) -> bool:
        """Releases an array, a map, a record list with its records, or a record; false when the handle names nothing."""
    def py_release_obj2(self, handle: int) -> bool:
        """Releases an array and the arrays its address elements name; false when the handle names no array."""
    def py_set_int_inkvObj(self, handle: int, key: bytes, value: int) -> None:
        """Sets an integer field of a record."""
    def py_set_double_inkvObj(self, handle: int, key: bytes, value: float) -> None:
        """Sets a number field of a record."""
    def py_set_bool_inkvObj(self, handle: int, key: bytes, value: bool) -> None:
        """Sets a boolean field of a record (no record has one)."""
    def py_set_ptr_inkvObj(self, handle: int, key: bytes, value: Optional[int]) -> None:
        """Sets an address field of a record."""
    def py_set_string_inkvObj(self, handle: int, key: bytes, value: bytes) -> None:
        """Sets a text field of a record."""
    def py_get_int_inkvobj(self, handle: int, key: bytes) -> int:
        """An integer field of a record, else 0."""
    def py_get_double_inkvobj(self, handle: int, key: bytes) -> float:
        """A number field of a record, else 0."""
    def py_get_bool_inkvobj(self, handle: int, key: bytes) -> bool:
        """A boolean field of a record (no record has one), else false."""
    def py_get_ptr_inkvobj(self, handle: int, key: bytes) -> Optional[int]:
        """An address field of a record, else null."""
    def py_get_string_inkvobj(self, handle: int, key: bytes, valueOut: ctypes.Array[ctypes.c_char]) -> None:
        """Writes a text field of a record, else an empty text."""
    def py_get_key_inkvObj(self, handle: int, index: int, keyOut: ctypes.Array[ctypes.c_char], typeOut: ctypes.Array[ctypes.c_char]) -> None:
        """Writes the key and type name of the record's index-th present field; else two empty texts."""
    def py_get_columns_inkvList(self, handle: int, keys: bytes, first: int, count: int, valuesOut: Optional[ctypes.Array[ctypes.c_double]], kindsOut: Optional[ctypes.Array[ctypes.c_uint8]], rowsOut: Optional[ctypes.Array[ctypes.c_uint8]]) -> int:
        """Copies the numeric fields named in keys (comma-separated) of the records first to first+count-1 of a record list into columns: the cell of key k and row r at k*count+r of valuesOut (0 when absent) and of kindsOut (0 absent, 1 integer, 2 number); rowsOut per row: 0 the cells are the record's present fields in key order, 1 it holds others (read it by field), 2 no record. Returns the rows written, 0 for no list; a null buffer is not written."""
    def py_GetTrackItemList(self, projID: Optional[int], handleOut: Any) -> bool:
        """Every track of the project, in order."""
    def py_GetTrackItemChildList(self, track: Optional[int], handleOut: Any, countOut: Any) -> bool:
        """The direct children of a track, and their count."""
    def py_GetTrackIdChildList(self, projID: Optional[int], trackID: int, handleOut: Any, countOut: Any) -> bool:
        """The direct children of the track at an index (the top-level tracks when there is none), and their count."""
    def py_GetSelectedTrackIdChildList(self, projID: Optional[int], selectTrackID: int, handleOut: Any) -> bool:
        """The direct children of the selected track at an index (the top-level tracks when there is none); false when the list is empty."""
    def py_GetTrackDepthList(self, projID: Optional[int], handleOut: Any) -> bool:
        """A TrackDetail per track with Track and Depth; false when the project has no track."""
    def py_GetSamePerfectTrackNameList(self, projID: Optional[int], name: bytes, handleOut: Any) -> bool:
        """A TrackDetail with Track and Index per track named exactly name; false when none is."""
    def py_GetIncludePerfectTrackNameList(self, projID: Optional[int], name: bytes, handleOut: Any) -> bool:
        """A TrackDetail with Track and Index per track whose name contains name in any ASCII case; false when none does."""
    def py_GetFilePathList(self, directory: bytes, extension: bytes, handleOut: Any) -> bool:
        """The paths below a folder, at any depth, whose extension (given without its dot) matches in any case; false when the folder does not exist."""
    def py_GetStringSplitList(self, text: bytes, delimiters: bytes, handleOut: Any) -> bool:
        """The fields of a text cut at every byte found in delimiters."""
    def py_GetUserInputList(self, title: bytes, inputCount: int, captions: bytes, defaultValues: bytes, handleOut: Any) -> bool:
        """Asks the user for inputCount comma-separated values; the answers, and whether the user confirmed."""
    def py_GetMediaItemPeakList(self, item: Optional[int], handleOut: Any) -> bool:
        """A kv_Peak per millisecond of the item with Time, MaxPeak and MinPeak (dB); false without an item, a length or peaks."""
    def py_GetMediaIdPeakList(self, projID: Optional[int], itemID: int, handleOut: Any) -> bool:
        """The peak list of the item at an index."""
    def py_GetSelectedMediaIdPeakList(self, projID: Optional[int], selectItemID: int, handleOut: Any) -> bool:
        """The peak list of the selected item at an index."""


def load(path: Optional[str] = ..., default: Optional[str] = ...) -> Library: ...
def encode(value: "str | bytes | None") -> bytes: ...
def decode(raw: bytes) -> str: ...
def text_buffer() -> ctypes.Array[ctypes.c_char]: ...
