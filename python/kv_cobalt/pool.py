"""Objects kept in the library's pool, seen from Python through their handles.

Arrays, maps and record lists belong to the Python object that created or
received them: they are released by ``release()``, at the end of a ``with``
block, or when the object is collected. Records belong to their record list.
All the wrappers of one object, made by any Cobalt on the same library, share
its handle: once the object is released, by any of them or along with the
array or list that held it, they all read 0 and never release it again.
"""
import ctypes
import functools
import typing
import weakref
from typing import Any, Callable, Dict, List, Optional, Tuple, TypeVar, Union

from . import _exports, _native
from ._native import decode, encode, text_buffer

Value = Union[bool, int, float, str, bytes, None, ctypes.c_void_p]

#: The record classes the library creates by name.
RECORD_TYPES = ("TrackDetail", "kv_Midi", "kv_Peak")

_INT_RANGE = range(-(2**31), 2**31)
Method = TypeVar("Method", bound=Callable[..., Any])
PooledType = TypeVar("PooledType", bound="Pooled")
#: A track field's value as handed back: handle(address, "MediaTrack*").
TrackHandle = Callable[[Optional[int], str], Any]
# The arguments whose refusals a method's name is put before.
_ARGUMENT_NAMES = ("value ", "key ", "index ", "type_name ")


def _address(value: "int | ctypes.c_void_p | None") -> Optional[int]:
    return value.value if isinstance(value, ctypes.c_void_p) else value


def _check_int(value: int) -> int:
    if not isinstance(value, int):
        raise TypeError("takes an int, not %s %r" % (type(value).__name__, value))
    if value not in _INT_RANGE:
        raise OverflowError("takes a 32-bit int; %d is out of range" % value)
    return value


def _index(index: int) -> int:
    """A position as the library's 32-bit int; one beyond its range is out of range (-1), never cut to another."""
    if not isinstance(index, int):
        raise TypeError("index takes an int, not %s %r" % (type(index).__name__, index))
    return index if index in _INT_RANGE else -1


def _renamed(error: Exception, message: str) -> Exception:
    """A refusal's TypeError, OverflowError or ValueError with another message; a
    UnicodeError, whose own class takes other arguments, becomes a ValueError."""
    for kind in (TypeError, OverflowError, ValueError):
        if isinstance(error, kind):
            return kind(message)
    return error


def _argument(name: str, convert: Callable[[Any], Any], value: Any) -> Any:
    """convert(value); its refusal names the argument."""
    try:
        return convert(value)
    except (TypeError, ValueError, OverflowError) as error:
        raise _renamed(error, "%s %s" % (name, error)) from None


def _store(native: _native.Library, setter: str, value: Value, *target: Any) -> None:
    """Calls the typed setter named by setter ("py_set_array_{}" and so on) for value's type."""
    if isinstance(value, bool):
        kind, value = "bool", value
    elif isinstance(value, int):
        kind, value = "int", _argument("value", _check_int, value)
    elif isinstance(value, float):
        kind = "double"
    elif isinstance(value, (str, bytes)):
        kind, value = "string", _argument("value", encode, value)
    elif value is None or isinstance(value, ctypes.c_void_p):
        kind, value = "ptr", _address(value)
    else:
        raise TypeError("value takes a bool, int, float, str, bytes, None or ctypes.c_void_p, not %s %r"
                        % (type(value).__name__, value))
    getattr(native, setter.format(kind))(*target, value)


def _locked(method: Method) -> Method:
    """Runs the method under the library's lock: the handle it reads still names
    the same object when the library gets it, whatever other threads do. A
    refused argument's error names the method ("Array.append: value takes ...")."""

    @functools.wraps(method)
    def locked(self: Any, *arguments: Any, **keywords: Any) -> Any:
        with self._native.lock:
            try:
                return method(self, *arguments, **keywords)
            except (TypeError, ValueError, OverflowError) as error:
                if str(error).startswith(_ARGUMENT_NAMES):
                    raise _renamed(error, "%s: %s" % (method.__qualname__, error)) from None
                raise

    return typing.cast(Method, locked)


class _Handle:
    """An object's handle as every wrapper of it holds it: 0 once the object is
    released, and for a record also once its list is."""

    __slots__ = ("number", "kind", "list", "__weakref__")

    def __init__(self, number: int, kind: str, list_: "Optional[_Handle]"):
        self.number, self.kind, self.list = number, kind, list_

    @property
    def value(self) -> int:
        return self.number if self.list is None or self.list.value else 0


# The handles wrappers hold, by loaded library and object: every Cobalt on one
# library file shares the library's pools, so they share these too. A handle
# left here after its object was released would soon name a new object.
_held: "Dict[int, weakref.WeakValueDictionary[int, _Handle]]" = {}


def _handles(native: _native.Library) -> "weakref.WeakValueDictionary[int, _Handle]":
    return _held.setdefault(native._handle, weakref.WeakValueDictionary())


def _hold(native: _native.Library, number: int, kind: str, new: bool, list_: Optional[_Handle] = None) -> _Handle:
    """The handle the wrappers of the object at number share. new: the library has
    just made the object, so a handle still held at that number is of a released one."""
    with native.lock:
        handles = _handles(native)
        held = handles.get(number)
        if held is not None and held.value:
            if not new:
                return held
            held.number = 0  # released by a call that bypassed the package
        held = _Handle(number, kind, list_)
        if number:
            handles[number] = held
        return held


def _release(native: _native.Library, held: _Handle, release: str) -> bool:
    """Releases the object with the export named release; every wrapper of it then reads 0."""
    with native.lock:
        number = held.value
        if not number:
            return False
        _forget(native, held)
        return bool(getattr(native, release)(number))


def _forget(native: _native.Library, held: _Handle) -> None:
    """Marks the object released for every wrapper of it; the caller holds the library's lock."""
    handles = _handles(native)
    if handles.get(held.number) is held:
        del handles[held.number]
    held.number = 0


class Pooled:
    """A pooled array, map or record list, owned by this Python object."""

    _kind = "pooled"

    def __init__(self, native: _native.Library, handle: int, new: bool = False):
        """Wraps handle; new: the library has just made that object."""
        self._native = native
        self._held = _hold(native, handle, self._kind, new)

    @property
    def handle(self) -> int:
        """The library's handle, 0 once released."""
        return self._held.value

    @_locked
    def __len__(self) -> int:
        handle = self.handle
        return self._native.py_get_obj_size(handle) if handle else 0

    def release(self) -> bool:
        """Releases the object in the library; true when it was still there."""
        return _release(self._native, self._held, "py_release_obj")

    def __enter__(self: PooledType) -> PooledType:
        return self

    def __exit__(self, *exc_info: object) -> None:
        self.release()

    def __del__(self) -> None:
        try:
            self.release()
        except Exception:  # interpreter shutting down: the library frees its pools itself
            pass


class Array(Pooled):
    """An array of script values: appended to, read by position and type."""

    _kind = "array"

    @_locked
    def append(self, value: Value) -> None:
        """Appends a bool, int (32-bit), float, text, or address (``ctypes.c_void_p`` or None)."""
        _store(self._native, "py_set_array_{}", value, self.handle)

    @_locked
    def get_int(self, index: int) -> int:
        """The integer at index; 0 when there is none."""
        return self._native.py_get_int_inarray(self.handle, _index(index))

    @_locked
    def get_float(self, index: int) -> float:
        """The number at index; 0.0 when there is none."""
        return self._native.py_get_double_inarray(self.handle, _index(index))

    @_locked
    def get_bool(self, index: int) -> bool:
        """The boolean at index; False when there is none."""
        return self._native.py_get_bool_inarray(self.handle, _index(index))

    @_locked
    def get_address(self, index: int) -> Optional[int]:
        """The address at index; None when there is none."""
        return self._native.py_get_ptr_inarray(self.handle, _index(index))

    @_locked
    def get_text(self, index: int) -> str:
        """The text at index (at most 1023 bytes); empty when there is none."""
        buffer = text_buffer()
        self._native.py_get_string_inarray(self.handle, _index(index), buffer)
        return decode(buffer.value)

    @_locked
    def texts(self) -> List[str]:
        return [self.get_text(i) for i in range(len(self))]

    @_locked
    def addresses(self) -> List[Optional[int]]:
        return [self.get_address(i) for i in range(len(self))]

    @_locked
    def release_with_named(self) -> bool:
        """Releases the array and every array whose handle it holds as an address;
        the Array objects of those arrays then hold nothing."""
        handle = self.handle
        named = [address for address in self.addresses() if address and address != handle] if handle else []
        if not _release(self._native, self._held, "py_release_obj2"):
            return False
        handles = _handles(self._native)
        for address in named:
            held = handles.get(address)
            if held is not None and held.kind == self._kind:
                _forget(self._native, held)
        return True


class Map(Pooled):
    """A map from text keys to script values, read by position in key order."""

    _kind = "map"

    @_locked
    def __setitem__(self, key: "str | bytes", value: Value) -> None:
        _store(self._native, "py_set_map_{}", value, self.handle, _argument("key", encode, key))

    @_locked
    def _entry(self, getter: str, index: int) -> Tuple[str, Any]:
        key = text_buffer()
        value = getattr(self._native, getter)(self.handle, _index(index), key)
        return decode(key.value), value

    def int_at(self, index: int) -> Tuple[str, int]:
        """(key, integer) of the entry at position index; ("", 0) when it holds no integer."""
        return self._entry("py_get_int_inmap", index)

    def float_at(self, index: int) -> Tuple[str, float]:
        """(key, number) of the entry at position index; ("", 0.0) when it holds no number."""
        return self._entry("py_get_double_inmap", index)

    def bool_at(self, index: int) -> Tuple[str, bool]:
        """(key, boolean) of the entry at position index; ("", False) when it holds none."""
        return self._entry("py_get_bool_inmap", index)

    def address_at(self, index: int) -> Tuple[str, Optional[int]]:
        """(key, address) of the entry at position index; ("", None) when it holds none."""
        return self._entry("py_get_ptr_inmap", index)

    @_locked
    def text_at(self, index: int) -> Tuple[str, str]:
        """(key, text) of the entry at position index; ("", "") when it holds no text."""
        key, value = text_buffer(), text_buffer()
        self._native.py_get_string_inmap(self.handle, _index(index), key, value)
        return decode(key.value), decode(value.value)


class Record:
    """A keyed record in a record list (TrackDetail, kv_Midi or kv_Peak).

    The list owns it: it lives until released here or with its list, and this
    object keeps its list from being collected."""

    def __init__(self, native: _native.Library, handle: int, owner: Optional["RecordList"] = None, new: bool = False):
        """Wraps handle, a record of owner; new: the library has just made it."""
        self._native = native
        self._owner = owner
        self._held = _hold(native, handle, "record", new, owner._held if owner is not None else None)

    @property
    def handle(self) -> int:
        """The library's handle, 0 once the record or its list was released."""
        return self._held.value

    @_locked
    def __len__(self) -> int:
        """The number of present fields."""
        return self._native.py_get_obj_size(self.handle)

    @_locked
    def fields(self) -> List[Tuple[str, str]]:
        """(key, type name) of every present field, in key order."""
        found = []
        for index in range(len(self)):
            key, type_name = text_buffer(), text_buffer()
            self._native.py_get_key_inkvObj(self.handle, index, key, type_name)
            found.append((decode(key.value), decode(type_name.value)))
        return found

    @_locked
    def get(self, key: str, type_name: str) -> Any:
        """A field's value read as type_name ("int", "double", "string", "MediaTrack*");
        the type's default when the record or field has none of that type."""
        n, h, k = self._native, self.handle, _argument("key", encode, key)
        if type_name == "int":
            return n.py_get_int_inkvobj(h, k)
        if type_name == "double":
            return n.py_get_double_inkvobj(h, k)
        if type_name == "string":
            buffer = text_buffer()
            n.py_get_string_inkvobj(h, k, buffer)
            return decode(buffer.value)
        if type_name == "MediaTrack*":
            return n.py_get_ptr_inkvobj(h, k)
        raise ValueError("type_name takes \"int\", \"double\", \"string\" or \"MediaTrack*\", not %r" % type_name)

    @_locked
    def __setitem__(self, key: str, value: Value) -> None:
        """Sets a field; stored only when the value has the field's own type."""
        _store(self._native, "py_set_{}_inkvObj", value, self.handle, _argument("key", encode, key))

    @_locked
    def to_dict(self) -> Dict[str, Any]:
        """The present fields as plain values."""
        return {key: self.get(key, type_name) for key, type_name in self.fields()}

    def release(self) -> bool:
        """Releases the record alone; its list then reads None at its position."""
        return _release(self._native, self._held, "py_release_obj")


class RecordList(Pooled):
    """A list of records; releasing it releases the records it still holds."""

    _kind = "list"

    @_locked
    def append(self, type_name: str) -> Record:
        """A new empty record of one of RECORD_TYPES at the end of the list."""
        handle = self._native.py_create_kvObj_inarray(self.handle, _argument("type_name", encode, type_name))
        if not handle:
            if type_name in RECORD_TYPES:
                raise ValueError("cannot create a record in a released list")
            raise ValueError("type_name takes one of %s, not %r" % (", ".join(RECORD_TYPES), type_name))
        return Record(self._native, handle, self, new=True)

    @_locked
    def __getitem__(self, index: int) -> Optional[Record]:
        """The record at index (negative: from the end); None when it was released.
        IndexError outside the list, so the list iterates as a sequence."""
        size = len(self)
        position = index + size if index < 0 else index
        if not 0 <= position < size:
            raise IndexError("record list index out of range")
        handle = self._native.py_get_ptr_inarray(self.handle, position)
        return Record(self._native, handle, self) if handle else None

    @_locked
    def to_dicts(self, handle: Optional[Callable[[Optional[int], str], Any]] = None) -> List[Optional[Dict[str, Any]]]:
        """Every record's present fields as plain values (None for a released record);
        handle(address, "MediaTrack*"), when given, makes each track field's value.

        The numeric fields come in columns, a block of rows a call; a record
        holding anything else (a text, an address, other keys) is read field by field."""
        n = self._native.unlocked  # the lock is held for the whole list
        records = self.handle
        total = n.py_get_obj_size(records) if records else 0
        by_field = _FieldReader(n, handle)
        names = _numeric_keys(n, records, total, by_field)
        if names is None:
            return [by_field(h) if h else None for h in (n.py_get_ptr_inarray(records, i) for i in range(total))]
        joined = b",".join(encode(name) for name in names)
        result: List[Optional[Dict[str, Any]]] = []
        for first in range(0, total, _BLOCK_ROWS):
            count = min(_BLOCK_ROWS, total - first)
            values = (ctypes.c_double * (len(names) * count))()
            kinds = (ctypes.c_uint8 * (len(names) * count))()
            rows = (ctypes.c_uint8 * count)()
            got = n.py_get_columns_inkvList(records, joined, first, count, values, kinds, rows)
            result.extend(_block_dicts(n, records, first, names, count, got, values, kinds, bytes(rows)[:got],
                                       by_field))
        return result


# Rows a columns call copies: buffers of a few MB, however long the list.
_BLOCK_ROWS = 1 << 16


class _FieldReader:
    """Reads a record's present fields with one call per field and key: the
    way for records that columns do not hold. n: the exports without the lock."""

    def __init__(self, n: Any, track_handle: Optional[TrackHandle] = None):
        self.n = n
        self.track_handle = track_handle
        self.text_value, self.key, self.type_name = text_buffer(), text_buffer(), text_buffer()
        self.names: Dict[bytes, str] = {}
        self.readers: Dict[bytes, Callable[[int, bytes], Any]] = {
            b"int": n.py_get_int_inkvobj, b"double": n.py_get_double_inkvobj, b"string": self.read_text,
            b"MediaTrack*": self.read_track if track_handle else n.py_get_ptr_inkvobj}

    def read_text(self, handle: int, key: bytes) -> str:
        self.n.py_get_string_inkvobj(handle, key, self.text_value)
        return decode(self.text_value.value)

    def read_track(self, handle: int, key: bytes) -> Any:
        assert self.track_handle is not None
        return self.track_handle(self.n.py_get_ptr_inkvobj(handle, key), "MediaTrack*")

    def fields_of(self, handle: int) -> List[Tuple[str, bytes, bytes]]:
        found = []
        for position in range(self.n.py_get_obj_size(handle)):
            self.n.py_get_key_inkvObj(handle, position, self.key, self.type_name)
            raw = self.key.value
            found.append((self.names.get(raw) or self.names.setdefault(raw, decode(raw)), raw, self.type_name.value))
        return found

    def __call__(self, handle: int) -> Dict[str, Any]:
        return {name: self.readers[kind](handle, raw) for name, raw, kind in self.fields_of(handle)}


def _numeric_keys(n: Any, records: int, total: int, by_field: _FieldReader) -> Optional[List[str]]:
    """The present fields of the list's first record, in key order: the columns
    asked for. None when one is no number: such lists (tracks) are read by field."""
    for index in range(total):
        handle = n.py_get_ptr_inarray(records, index)
        if handle:
            fields = by_field.fields_of(handle)
            if any(kind not in (b"int", b"double") for _, _, kind in fields):
                return None
            return [name for name, _, _ in fields]
    return []


def _block_dicts(n: Any, records: int, first: int, names: List[str], count: int, got: int, values: "ctypes.Array[ctypes.c_double]",
                 kinds: "ctypes.Array[ctypes.c_uint8]", rows: bytes, by_field: _FieldReader) -> List[Optional[Dict[str, Any]]]:
    """The dicts of one block of rows from its columns."""
    numbers = memoryview(values).cast("B").cast("d")
    kind_bytes = bytes(kinds)
    columns: List[Any] = []
    column_kinds: List[bytes] = []
    for k in range(len(names)):
        column: Any = numbers[k * count:k * count + got]
        cells = kind_bytes[k * count:k * count + got]
        if cells.count(_exports.CELL_INT):
            column = [int(v) if c == _exports.CELL_INT else v for v, c in zip(column, cells)]
        columns.append(column)
        column_kinds.append(cells)
    # Most lists: every row in cells, each column present in all rows or in none.
    absent = [cells.count(_exports.CELL_ABSENT) for cells in column_kinds]
    if rows.count(_exports.ROW_IN_CELLS) == got and all(a in (0, got) for a in absent):
        present = [k for k, a in enumerate(absent) if a == 0]
        if not present:
            return [{} for _ in range(got)]
        built: List[Optional[Dict[str, Any]]] = _dict_builder(tuple(names[k] for k in present))(
            [columns[k] for k in present])
        return built
    block: List[Optional[Dict[str, Any]]] = []
    for row, kind in enumerate(rows):
        if kind == _exports.ROW_NO_RECORD:
            block.append(None)
        elif kind == _exports.ROW_IN_CELLS:
            block.append({names[k]: columns[k][row] for k in range(len(names))
                          if column_kinds[k][row] != _exports.CELL_ABSENT})
        else:
            handle = n.py_get_ptr_inarray(records, first + row)
            block.append(by_field(handle) if handle else None)
    return block


@functools.lru_cache(maxsize=None)
def _dict_builder(names: Tuple[str, ...]) -> Callable[[List[Any]], List[Optional[Dict[str, Any]]]]:
    """columns -> one dict per row, keys in this order. A comprehension with
    the keys as literals makes each dict in one step, twice as fast as
    dict(zip(...)); repr makes any key a literal, so only these keys get in."""
    values = "".join("v%d, " % i for i in range(len(names)))
    entries = ", ".join("%r: v%d" % (name, i) for i, name in enumerate(names))
    built: Callable[[List[Any]], List[Optional[Dict[str, Any]]]] = eval(  # noqa: S307
        "lambda columns: [{%s} for %s in zip(*columns)]" % (entries, values))
    return built
