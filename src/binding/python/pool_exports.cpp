// The object pool for Python: creation, typed access, size and release.
// Nothing unwinds out of an export: a failure gives the default result.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "binding/python/object_pool.hpp"
#include "binding/python/python_exports.hpp"
#include "object/record_types.hpp"
#include "utility/utility.hpp"

namespace python_api {

// Runs body; any exception gives fallback.
template <class R, class Body>
R shielded(R fallback, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return fallback;
  }
}
template <class Body>
void shielded(Body&& body) noexcept {
  try {
    body();
  } catch (...) {
  }
}

std::string text(const char* value) { return value ? std::string(value) : std::string(); }

void write_text(char* buffer, const std::string& value) {
  if (buffer) kv_utility::strcpy(buffer, text_capacity, value);
}

template <class T>
T py_get_value_inmap(std::uint64_t handle, int index, char* keyOut) {
  auto [key, value] = python_utility::get_value_inmap<T>(handle, index);
  write_text(keyOut, key);
  return value;
}

template <class T>
void py_set_value_inkvObj_main(std::uint64_t handle, const char* key, T value) {
  if (kv_object::kv_List* record = kv_object::find_pooled_record(handle))
    record->set_value(text(key), python_utility::to_pyvar(value));
}

template <class T>
T py_get_value_inkvobj_main(std::uint64_t handle, const char* key) {
  const kv_object::kv_List* record = kv_object::find_pooled_record(handle);
  return record ? python_utility::from_pyvar<T>(record->get_value(text(key))) : T{};
}

}  // namespace python_api

using namespace python_api;
using python_utility::get_value_inarray;
using python_utility::set_value_inarray;
using python_utility::set_value_inmap;

std::uint64_t py_create_array() noexcept { return shielded<std::uint64_t>(0, python_utility::create_array_inpool); }
std::uint64_t py_create_map() noexcept { return shielded<std::uint64_t>(0, python_utility::create_map_inpool); }
std::uint64_t py_create_kvList_array() noexcept {
  return shielded<std::uint64_t>(0, kv_object::kv_List::create_kvlist_array);
}
std::uint64_t py_create_kvObj_inarray(std::uint64_t handle, const char* typeName) noexcept {
  return shielded<std::uint64_t>(0, [&] { return kv_object::create_named_record(handle, text(typeName)); });
}

void py_set_array_int(std::uint64_t handle, int value) noexcept {
  shielded([&] { set_value_inarray(handle, value); });
}
void py_set_array_double(std::uint64_t handle, double value) noexcept {
  shielded([&] { set_value_inarray(handle, value); });
}
void py_set_array_bool(std::uint64_t handle, bool value) noexcept {
  shielded([&] { set_value_inarray(handle, value); });
}
void py_set_array_ptr(std::uint64_t handle, void* value) noexcept {
  shielded([&] { set_value_inarray(handle, value); });
}
void py_set_array_string(std::uint64_t handle, const char* value) noexcept {
  shielded([&] { set_value_inarray(handle, text(value)); });
}
int py_get_int_inarray(std::uint64_t handle, int index) noexcept { return get_value_inarray<int>(handle, index); }
double py_get_double_inarray(std::uint64_t handle, int index) noexcept {
  return get_value_inarray<double>(handle, index);
}
bool py_get_bool_inarray(std::uint64_t handle, int index) noexcept { return get_value_inarray<bool>(handle, index); }
void* py_get_ptr_inarray(std::uint64_t handle, int index) noexcept {
  return python_utility::get_ptr_inarray(handle, index);
}
void py_get_string_inarray(std::uint64_t handle, int index, char* valueOut) noexcept {
  shielded([&] { write_text(valueOut, get_value_inarray<std::string>(handle, index)); });
}

void py_set_map_int(std::uint64_t handle, const char* key, int value) noexcept {
  shielded([&] { set_value_inmap(handle, text(key), value); });
}
void py_set_map_double(std::uint64_t handle, const char* key, double value) noexcept {
  shielded([&] { set_value_inmap(handle, text(key), value); });
}
void py_set_map_bool(std::uint64_t handle, const char* key, bool value) noexcept {
  shielded([&] { set_value_inmap(handle, text(key), value); });
}
void py_set_map_ptr(std::uint64_t handle, const char* key, void* value) noexcept {
  shielded([&] { set_value_inmap(handle, text(key), value); });
}
void py_set_map_string(std::uint64_t handle, const char* key, const char* value) noexcept {
  shielded([&] { set_value_inmap(handle, text(key), text(value)); });
}
int py_get_int_inmap(std::uint64_t handle, int index, char* keyOut) noexcept {
  return shielded(0, [&] { return py_get_value_inmap<int>(handle, index, keyOut); });
}
double py_get_double_inmap(std::uint64_t handle, int index, char* keyOut) noexcept {
  return shielded(0.0, [&] { return py_get_value_inmap<double>(handle, index, keyOut); });
}
bool py_get_bool_inmap(std::uint64_t handle, int index, char* keyOut) noexcept {
  return shielded(false, [&] { return py_get_value_inmap<bool>(handle, index, keyOut); });
}
void* py_get_ptr_inmap(std::uint64_t handle, int index, char* keyOut) noexcept {
  return shielded<void*>(nullptr, [&] { return py_get_value_inmap<void*>(handle, index, keyOut); });
}
void py_get_string_inmap(std::uint64_t handle, int index, char* keyOut, char* valueOut) noexcept {
  shielded([&] { write_text(valueOut, py_get_value_inmap<std::string>(handle, index, keyOut)); });
}

int py_get_obj_size(std::uint64_t handle) noexcept { return python_utility::get_obj_size(handle); }
bool py_release_obj(std::uint64_t handle) noexcept {
  return shielded(false, [&] { return python_utility::release_obj_inpool(handle); });
}
bool py_release_obj2(std::uint64_t handle) noexcept {
  return shielded(false, [&] { return python_utility::release_obj_inpool2(handle); });
}

void py_set_int_inkvObj(std::uint64_t handle, const char* key, int value) noexcept {
  shielded([&] { py_set_value_inkvObj_main(handle, key, value); });
}
void py_set_double_inkvObj(std::uint64_t handle, const char* key, double value) noexcept {
  shielded([&] { py_set_value_inkvObj_main(handle, key, value); });
}
void py_set_bool_inkvObj(std::uint64_t handle, const char* key, bool value) noexcept {
  shielded([&] { py_set_value_inkvObj_main(handle, key, value); });
}
void py_set_ptr_inkvObj(std::uint64_t handle, const char* key, void* value) noexcept {
  shielded([&] { py_set_value_inkvObj_main(handle, key, value); });
}
void py_set_string_inkvObj(std::uint64_t handle, const char* key, const char* value) noexcept {
  shielded([&] { py_set_value_inkvObj_main(handle, key, text(value)); });
}
int py_get_int_inkvobj(std::uint64_t handle, const char* key) noexcept {
  return shielded(0, [&] { return py_get_value_inkvobj_main<int>(handle, key); });
}
double py_get_double_inkvobj(std::uint64_t handle, const char* key) noexcept {
  return shielded(0.0, [&] { return py_get_value_inkvobj_main<double>(handle, key); });
}
bool py_get_bool_inkvobj(std::uint64_t handle, const char* key) noexcept {
  return shielded(false, [&] { return py_get_value_inkvobj_main<bool>(handle, key); });
}
void* py_get_ptr_inkvobj(std::uint64_t handle, const char* key) noexcept {
  return shielded<void*>(nullptr, [&] { return py_get_value_inkvobj_main<void*>(handle, key); });
}
void py_get_string_inkvobj(std::uint64_t handle, const char* key, char* valueOut) noexcept {
  shielded([&] { write_text(valueOut, py_get_value_inkvobj_main<std::string>(handle, key)); });
}
void py_get_key_inkvObj(std::uint64_t handle, int index, char* keyOut, char* typeOut) noexcept {
  shielded([&] {
    std::pair<std::string, std::string> info;  // empty for an unknown record or position
    const kv_object::kv_List* record = kv_object::find_pooled_record(handle);
    if (record && index >= 0 && index < record->get_size()) info = record->get_key_info(index);
    write_text(keyOut, info.first);
    write_text(typeOut, info.second);
  });
}
int py_get_columns_inkvList(std::uint64_t handle, const char* keys, int first, int count, double* valuesOut,
                            std::uint8_t* kindsOut, std::uint8_t* rowsOut) noexcept {
  return shielded(0, [&] {
    std::vector<std::string> names;
    const std::string all = text(keys);
    for (std::size_t from = 0; !all.empty() && from <= all.size();) {
      const std::size_t comma = std::min(all.find(',', from), all.size());
      names.push_back(all.substr(from, comma - from));
      from = comma + 1;
    }
    return python_utility::get_columns_inkvList(handle, names, first, count, {valuesOut, kindsOut, rowsOut});
  });
}
