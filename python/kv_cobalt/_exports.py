"""Every exported py_ function of the library with its ctypes result and argument types, in the
library's declaration order. Generated from the library's declarations by kv_docgen; do not edit."""
import ctypes
from typing import Dict, List, Optional, Tuple

handle = ctypes.c_uint64
text = ctypes.c_char_p
address = ctypes.c_void_p
integer = ctypes.c_int
number = ctypes.c_double
boolean = ctypes.c_bool
handle_out = ctypes.POINTER(ctypes.c_uint64)
count_out = ctypes.POINTER(ctypes.c_int)
numbers_out = ctypes.POINTER(ctypes.c_double)
bytes_out = ctypes.POINTER(ctypes.c_uint8)

#: Bytes of every text buffer the library writes into (1023 bytes and a NUL).
TEXT_CAPACITY = 1024

#: What py_get_columns_inkvList writes per cell and per row.
CELL_ABSENT, CELL_INT, CELL_DOUBLE = 0, 1, 2
ROW_IN_CELLS, ROW_READ_BY_FIELD, ROW_NO_RECORD = 0, 1, 2


class buffer:
    """A ``char*`` the library writes up to TEXT_CAPACITY bytes into: None, or a
    char array of at least that size (``text_buffer()``). A shorter array or an
    immutable bytes object is refused (ctypes.ArgumentError), never overrun."""

    @classmethod
    def from_param(cls, value: object) -> object:
        if value is None:
            return None
        if isinstance(value, ctypes.Array) and value._type_ is ctypes.c_char and len(value) >= TEXT_CAPACITY:
            return value
        raise TypeError("the library writes up to %d bytes here: pass text_buffer() or None" % TEXT_CAPACITY)


# name: (result type, argument types)
POOL_FUNCTIONS: Dict[str, Tuple[Optional[type], List[type]]] = {
    "py_create_array": (handle, []),
    "py_create_map": (handle, []),
    "py_create_kvList_array": (handle, []),
    "py_create_kvObj_inarray": (handle, [handle, text]),
    "py_set_array_int": (None, [handle, integer]),
    "py_set_array_double": (None, [handle, number]),
    "py_set_array_bool": (None, [handle, boolean]),
    "py_set_array_ptr": (None, [handle, address]),
    "py_set_array_string": (None, [handle, text]),
    "py_get_int_inarray": (integer, [handle, integer]),
    "py_get_double_inarray": (number, [handle, integer]),
    "py_get_bool_inarray": (boolean, [handle, integer]),
    "py_get_ptr_inarray": (address, [handle, integer]),
    "py_get_string_inarray": (None, [handle, integer, buffer]),
    "py_set_map_int": (None, [handle, text, integer]),
    "py_set_map_double": (None, [handle, text, number]),
    "py_set_map_bool": (None, [handle, text, boolean]),
    "py_set_map_ptr": (None, [handle, text, address]),
    "py_set_map_string": (None, [handle, text, text]),
    "py_get_int_inmap": (integer, [handle, integer, buffer]),
    "py_get_double_inmap": (number, [handle, integer, buffer]),
    "py_get_bool_inmap": (boolean, [handle, integer, buffer]),
    "py_get_ptr_inmap": (address, [handle, integer, buffer]),
    "py_get_string_inmap": (None, [handle, integer, buffer, buffer]),
    "py_get_obj_size": (integer, [handle]),
    "py_release_obj": (boolean, [handle]),
    "py_release_obj2": (boolean, [handle]),
    "py_set_int_inkvObj": (None, [handle, text, integer]),
    "py_set_double_inkvObj": (None, [handle, text, number]),
    "py_set_bool_inkvObj": (None, [handle, text, boolean]),
    "py_set_ptr_inkvObj": (None, [handle, text, address]),
    "py_set_string_inkvObj": (None, [handle, text, text]),
    "py_get_int_inkvobj": (integer, [handle, text]),
    "py_get_double_inkvobj": (number, [handle, text]),
    "py_get_bool_inkvobj": (boolean, [handle, text]),
    "py_get_ptr_inkvobj": (address, [handle, text]),
    "py_get_string_inkvobj": (None, [handle, text, buffer]),
    "py_get_key_inkvObj": (None, [handle, integer, buffer, buffer]),
    "py_get_columns_inkvList": (integer, [handle, text, integer, integer, numbers_out, bytes_out, bytes_out]),
}

LIST_FUNCTIONS: Dict[str, Tuple[Optional[type], List[type]]] = {
    "py_GetTrackItemList": (boolean, [address, handle_out]),
    "py_GetTrackItemChildList": (boolean, [address, handle_out, count_out]),
    "py_GetTrackIdChildList": (boolean, [address, integer, handle_out, count_out]),
    "py_GetSelectedTrackIdChildList": (boolean, [address, integer, handle_out]),
    "py_GetTrackDepthList": (boolean, [address, handle_out]),
    "py_GetSamePerfectTrackNameList": (boolean, [address, text, handle_out]),
    "py_GetIncludePerfectTrackNameList": (boolean, [address, text, handle_out]),
    "py_GetFilePathList": (boolean, [text, text, handle_out]),
    "py_GetStringSplitList": (boolean, [text, text, handle_out]),
    "py_GetUserInputList": (boolean, [text, integer, text, text, handle_out]),
    "py_GetMediaItemPeakList": (boolean, [address, handle_out]),
    "py_GetMediaIdPeakList": (boolean, [address, integer, handle_out]),
    "py_GetSelectedMediaIdPeakList": (boolean, [address, integer, handle_out]),
}
