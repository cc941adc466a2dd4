#pragma once
// The pools that keep script results inside the library for Python callers,
// who hold only handles: arrays and maps of script values. Record lists and
// records are pooled by their own classes.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "object/kv_list.hpp"
#include "object/record_fields.hpp"

namespace python_utility {

using kv_object::pyvar;
using kv_object::record_fields::to_pyvar;
using pyvar_array = std::vector<pyvar>;

// An ordered map of script values that scripts read by position in key order.
// It remembers the last position read, so reading the entries one after the
// other steps once per entry instead of walking from the first each time.
class pyvar_map {
 public:
  using entries = std::map<std::string, pyvar>;

  std::size_t size() const { return entries_.size(); }

  void insert_or_assign(const std::string& key, pyvar value) {
    // A new key moves the positions after it; a new value moves none.
    if (entries_.insert_or_assign(key, std::move(value)).second) remembered_ = false;
  }

  // The entry at position, which is below size().
  const entries::value_type& at_position(std::size_t position) const;

 private:
  entries entries_;
  // The last position read and its entry, while no key was added since.
  mutable entries::const_iterator last_;
  mutable std::size_t last_position_ = 0;
  mutable bool remembered_ = false;
};

inline kv_object::handle_pool<pyvar_array> pyvar_array_list;
inline kv_object::handle_pool<pyvar_map> pyvar_map_list;

// The pooled object, or null.
template <class Pool>
auto* find_in(Pool& pool, std::uint64_t handle) {
  const auto entry = pool.find(handle);
  return entry == pool.end() ? nullptr : entry->second.get();
}

template <class Pool>
std::uint64_t insert_into(Pool& pool, typename Pool::mapped_type object) {
  const auto key = reinterpret_cast<std::uintptr_t>(object.get());
  pool.emplace(key, std::move(object));
  return key;
}

inline std::uint64_t create_array_inpool() { return insert_into(pyvar_array_list, std::make_shared<pyvar_array>()); }
inline std::uint64_t create_map_inpool() { return insert_into(pyvar_map_list, std::make_shared<pyvar_map>()); }

// The value if it holds T's alternative, else T's default.
template <class T>
T from_pyvar(const pyvar& value) {
  const T* held = std::get_if<T>(&value);
  return held ? *held : T{};
}

// Arrays are appended to, never shortened or overwritten.
template <class T>
void set_value_inarray(std::uint64_t handle, T value) {
  if (auto* array = find_in(pyvar_array_list, handle)) array->push_back(to_pyvar(value));
}

// The element at index if it holds T; T's default otherwise.
template <class T>
T get_value_inarray(std::uint64_t handle, int index) {
  const auto* array = find_in(pyvar_array_list, handle);
  if (!array || index < 0 || static_cast<std::size_t>(index) >= array->size()) return T{};
  return from_pyvar<T>((*array)[static_cast<std::size_t>(index)]);
}

template <class T>
void set_value_inmap(std::uint64_t handle, const std::string& key, T value) {
  if (auto* map = find_in(pyvar_map_list, handle)) map->insert_or_assign(key, to_pyvar(value));
}

// The entry at position index in key order when it holds T: its key and
// value; an empty key and T's default otherwise.
template <class T>
std::pair<std::string, T> get_value_inmap(std::uint64_t handle, int index) {
  const auto* map = find_in(pyvar_map_list, handle);
  if (!map || index < 0 || static_cast<std::size_t>(index) >= map->size()) return {};
  const auto& [key, value] = map->at_position(static_cast<std::size_t>(index));
  if (!std::holds_alternative<T>(value)) return {};
  return {key, std::get<T>(value)};
}

// A new array holding one script value per element; returns its handle.
template <class T>
std::uint64_t set_obj_topool(const std::vector<T>& values) {
  auto array = std::make_shared<pyvar_array>();
  array->reserve(values.size());
  for (const T& value : values) array->push_back(to_pyvar(value));
  return insert_into(pyvar_array_list, std::move(array));
}

// Count of elements, entries, records or present fields; 0 for an unknown handle.
int get_obj_size(std::uint64_t handle);
// Releases whatever the handle names; false when it names nothing.
bool release_obj_inpool(std::uint64_t handle);
// Releases the array and the arrays its pointer elements name.
bool release_obj_inpool2(std::uint64_t handle);
// An array's pointer element, or the record handle at index in a record list.
void* get_ptr_inarray(std::uint64_t handle, int index);

// Where py_get_columns_inkvList writes: cells column by column, count rows a
// column; a null pointer is not written.
struct column_buffers {
  double* values;
  std::uint8_t* kinds;
  std::uint8_t* rows;
};
// Copies the numeric fields named by keys of rows first to first+count-1 of a
// record list into the buffers; returns the rows written, 0 for no list.
int get_columns_inkvList(std::uint64_t handle, const std::vector<std::string>& keys, int first, int count,
                         const column_buffers& out);

}  // namespace python_utility
