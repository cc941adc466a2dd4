#pragma once
// The C interface of the object pool for Python callers, declared once: this
// list makes the exported prototypes and feeds the documentation. Handles are
// unsigned 64-bit numbers; a null text reads as empty; every text written out
// goes to a caller buffer of 1024 bytes (at most 1023 bytes and a NUL), and a
// null buffer is not written.
#include <cstdint>

namespace python_api {
// Bytes of every caller buffer a text is written to.
inline constexpr int text_capacity = 1024;

// What py_get_columns_inkvList writes per cell (a key of a row)...
enum cell_kind : std::uint8_t { cell_absent = 0, cell_int = 1, cell_double = 2 };
// ...and per row: whether the cells are the whole record, in key order.
enum row_kind : std::uint8_t { row_in_cells = 0, row_read_by_field = 1, row_no_record = 2 };
}  // namespace python_api

// X(return type, name, parameters, description)
#define KV_PYTHON_POOL_FUNCTIONS(X)                                                                                   \
  X(std::uint64_t, py_create_array, (), "Creates an empty array; returns its handle.")                                \
  X(std::uint64_t, py_create_map, (), "Creates an empty map; returns its handle.")                                    \
  X(std::uint64_t, py_create_kvList_array, (), "Creates an empty record list; returns its handle.")                   \
  X(std::uint64_t, py_create_kvObj_inarray, (std::uint64_t handle, const char* typeName),                             \
    "Appends a new empty record (TrackDetail, kv_Midi or kv_Peak) to a record list; returns its handle, 0 when "      \
    "the type or the list is unknown.")                                                                               \
  X(void, py_set_array_int, (std::uint64_t handle, int value), "Appends an integer to an array.")                     \
  X(void, py_set_array_double, (std::uint64_t handle, double value), "Appends a number to an array.")                 \
  X(void, py_set_array_bool, (std::uint64_t handle, bool value), "Appends a boolean to an array.")                    \
  X(void, py_set_array_ptr, (std::uint64_t handle, void* value), "Appends an address to an array.")                   \
  X(void, py_set_array_string, (std::uint64_t handle, const char* value), "Appends a text to an array.")              \
  X(int, py_get_int_inarray, (std::uint64_t handle, int index), "The integer at index of an array, else 0.")          \
  X(double, py_get_double_inarray, (std::uint64_t handle, int index), "The number at index of an array, else 0.")     \
  X(bool, py_get_bool_inarray, (std::uint64_t handle, int index), "The boolean at index of an array, else false.")    \
  X(void*, py_get_ptr_inarray, (std::uint64_t handle, int index),                                                     \
    "The address at index of an array, or the record handle at index of a record list; else null.")                   \
  X(void, py_get_string_inarray, (std::uint64_t handle, int index, char* valueOut),                                   \
    "Writes the text at index of an array, else an empty text.")                                                      \
  X(void, py_set_map_int, (std::uint64_t handle, const char* key, int value), "Sets a key of a map to an integer.")   \
  X(void, py_set_map_double, (std::uint64_t handle, const char* key, double value),                                   \
    "Sets a key of a map to a number.")                                                                               \
  X(void, py_set_map_bool, (std::uint64_t handle, const char* key, bool value), "Sets a key of a map to a boolean.")  \
  X(void, py_set_map_ptr, (std::uint64_t handle, const char* key, void* value), "Sets a key of a map to an address.") \
  X(void, py_set_map_string, (std::uint64_t handle, const char* key, const char* value),                              \
    "Sets a key of a map to a text.")                                                                                 \
  X(int, py_get_int_inmap, (std::uint64_t handle, int index, char* keyOut),                                           \
    "The integer of the entry at index in key order, its key written out; else 0 and an empty key.")                  \
  X(double, py_get_double_inmap, (std::uint64_t handle, int index, char* keyOut),                                     \
    "The number of the entry at index in key order, its key written out; else 0 and an empty key.")                   \
  X(bool, py_get_bool_inmap, (std::uint64_t handle, int index, char* keyOut),                                         \
    "The boolean of the entry at index in key order, its key written out; else false and an empty key.")              \
  X(void*, py_get_ptr_inmap, (std::uint64_t handle, int index, char* keyOut),                                         \
    "The address of the entry at index in key order, its key written out; else null and an empty key.")               \
  X(void, py_get_string_inmap, (std::uint64_t handle, int index, char* keyOut, char* valueOut),                       \
    "Writes the key and text of the entry at index in key order; else two empty texts.")                              \
  X(int, py_get_obj_size, (std::uint64_t handle),                                                                     \
    "Elements of an array, entries of a map, records of a record list, present fields of a record; else 0.")          \
  X(bool, py_release_obj, (std::uint64_t handle),                                                                     \
    "Releases an array, a map, a record list with its records, or a record; false when the handle names "             \
    "nothing.")                                                                                                       \
  X(bool, py_release_obj2, (std::uint64_t handle),                                                                    \
    "Releases an array and the arrays its address elements name; false when the handle names no array.")              \
  X(void, py_set_int_inkvObj, (std::uint64_t handle, const char* key, int value),                                     \
    "Sets an integer field of a record.")                                                                             \
  X(void, py_set_double_inkvObj, (std::uint64_t handle, const char* key, double value),                               \
    "Sets a number field of a record.")                                                                               \
  X(void, py_set_bool_inkvObj, (std::uint64_t handle, const char* key, bool value),                                   \
    "Sets a boolean field of a record (no record has one).")                                                          \
  X(void, py_set_ptr_inkvObj, (std::uint64_t handle, const char* key, void* value),                                   \
    "Sets an address field of a record.")                                                                             \
  X(void, py_set_string_inkvObj, (std::uint64_t handle, const char* key, const char* value),                          \
    "Sets a text field of a record.")                                                                                 \
  X(int, py_get_int_inkvobj, (std::uint64_t handle, const char* key), "An integer field of a record, else 0.")        \
  X(double, py_get_double_inkvobj, (std::uint64_t handle, const char* key), "A number field of a record, else 0.")    \
  X(bool, py_get_bool_inkvobj, (std::uint64_t handle, const char* key),                                               \
    "A boolean field of a record (no record has one), else false.")                                                   \
  X(void*, py_get_ptr_inkvobj, (std::uint64_t handle, const char* key), "An address field of a record, else null.")   \
  X(void, py_get_string_inkvobj, (std::uint64_t handle, const char* key, char* valueOut),                             \
    "Writes a text field of a record, else an empty text.")                                                           \
  X(void, py_get_key_inkvObj, (std::uint64_t handle, int index, char* keyOut, char* typeOut),                         \
    "Writes the key and type name of the record's index-th present field; else two empty texts.")                     \
  X(int, py_get_columns_inkvList,                                                                                     \
    (std::uint64_t handle, const char* keys, int first, int count, double* valuesOut, std::uint8_t* kindsOut,         \
     std::uint8_t* rowsOut),                                                                                          \
    "Copies the numeric fields named in keys (comma-separated) of the records first to first+count-1 of a "           \
    "record list into columns: the cell of key k and row r at k*count+r of valuesOut (0 when absent) and of "         \
    "kindsOut (0 absent, 1 integer, 2 number); rowsOut per row: 0 the cells are the record's present fields in "      \
    "key order, 1 it holds others (read it by field), 2 no record. Returns the rows written, 0 for no list; "         \
    "a null buffer is not written.")
