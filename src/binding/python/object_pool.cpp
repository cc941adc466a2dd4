#include "binding/python/object_pool.hpp"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "binding/python/pool_functions.hpp"
#include "object/record_types.hpp"

namespace python_utility {

const pyvar_map::entries::value_type& pyvar_map::at_position(std::size_t position) const {
  // Steps from whichever is nearest: the first entry, the end or the last read.
  using offset = std::ptrdiff_t;
  const auto target = static_cast<offset>(position);
  auto from = entries_.cbegin();
  offset steps = target;
  if (const offset from_end = target - static_cast<offset>(entries_.size()); - from_end < steps) {
    from = entries_.cend();
    steps = from_end;
  }
  if (const offset from_last = target - static_cast<offset>(last_position_);
      remembered_ && std::abs(from_last) < std::abs(steps)) {
    from = last_;
    steps = from_last;
  }
  last_ = std::next(from, steps);
  last_position_ = position;
  remembered_ = true;
  return *last_;
}

using kv_object::kv_List;

int get_obj_size(std::uint64_t handle) {
  if (const auto* array = find_in(pyvar_array_list, handle)) return static_cast<int>(array->size());
  if (const auto* map = find_in(pyvar_map_list, handle)) return static_cast<int>(map->size());
  if (const auto* list = find_in(kv_List::kvList_pool, handle)) return static_cast<int>(list->size());
  if (const kv_List* record = kv_object::find_pooled_record(handle)) return record->get_size();
  return 0;
}

bool release_obj_inpool(std::uint64_t handle) {
  if (pyvar_array_list.erase(handle) != 0) return true;
  if (pyvar_map_list.erase(handle) != 0) return true;
  if (kv_List::release_kvList(handle)) return true;
  if (kv_List* record = kv_object::find_pooled_record(handle)) return record->release_inpool();
  return false;
}

bool release_obj_inpool2(std::uint64_t handle) {
  const auto entry = pyvar_array_list.find(handle);
  if (entry == pyvar_array_list.end() || !entry->second) return false;
  // Keeps the array alive while the arrays it names are erased around it.
  const std::shared_ptr<pyvar_array> array = entry->second;
  for (const pyvar& element : *array) {
    const auto* pointer = std::get_if<void*>(&element);
    if (!pointer) continue;
    const auto named = reinterpret_cast<std::uintptr_t>(*pointer);
    if (named != handle) pyvar_array_list.erase(named);
  }
  pyvar_array_list.erase(handle);
  return true;
}

namespace {

// The record at index of a list while it is pooled, else null: a record
// released since reads as null rather than as an address that another object
// may later have.
std::shared_ptr<kv_List> live_record(const kv_object::kvList_array& list, std::size_t index) {
  auto record = list[index].lock();
  if (!record || kv_object::find_pooled_record(record->handle) != record.get()) return nullptr;
  return record;
}

// Puts a record's numeric fields among the keys into their cells; a field
// that is not one of them, not a number or out of key order leaves the row
// to be read by field.
class column_sink final : public kv_object::field_sink {
 public:
  column_sink(const std::vector<std::string>& keys, std::size_t stride, const column_buffers& out)
      : keys_(keys), stride_(stride), out_(out) {}

  // Reads the record into row; its row kind.
  python_api::row_kind read(const kv_List& record, std::size_t row) {
    row_ = row;
    next_key_ = 0;
    whole_ = true;
    for (std::size_t k = 0; k < keys_.size(); ++k) cell(k, 0.0, python_api::cell_absent);
    record.each_field(*this);
    return whole_ ? python_api::row_in_cells : python_api::row_read_by_field;
  }

  void number(const char* key, double value) override { put(key, value, python_api::cell_double); }
  void integer(const char* key, int value) override { put(key, value, python_api::cell_int); }
  void text(const char*, const std::string&) override { whole_ = false; }
  void handle(const char*, void*) override { whole_ = false; }

 private:
  void put(const char* key, double value, python_api::cell_kind kind) {
    // Fields come in key order, so each is looked for after the last one found.
    for (std::size_t k = next_key_; k < keys_.size(); ++k)
      if (std::strcmp(keys_[k].c_str(), key) == 0) {
        cell(k, value, kind);
        next_key_ = k + 1;
        return;
      }
    whole_ = false;
  }
  void cell(std::size_t k, double value, python_api::cell_kind kind) {
    const std::size_t at = k * stride_ + row_;
    if (out_.values) out_.values[at] = value;
    if (out_.kinds) out_.kinds[at] = kind;
  }

  const std::vector<std::string>& keys_;
  std::size_t stride_;
  column_buffers out_;
  std::size_t row_ = 0, next_key_ = 0;
  bool whole_ = true;
};

}  // namespace

void* get_ptr_inarray(std::uint64_t handle, int index) {
  if (void* pointer = get_value_inarray<void*>(handle, index)) return pointer;
  const auto* list = find_in(kv_List::kvList_pool, handle);
  if (!list || index < 0 || static_cast<std::size_t>(index) >= list->size()) return nullptr;
  const auto record = live_record(*list, static_cast<std::size_t>(index));
  return record ? reinterpret_cast<void*>(record->handle) : nullptr;
}

int get_columns_inkvList(std::uint64_t handle, const std::vector<std::string>& keys, int first, int count,
                         const column_buffers& out) {
  const auto* list = find_in(kv_List::kvList_pool, handle);
  if (!list || first < 0 || count <= 0 || static_cast<std::size_t>(first) >= list->size()) return 0;
  const std::size_t start = static_cast<std::size_t>(first);
  const std::size_t rows = std::min(static_cast<std::size_t>(count), list->size() - start);
  column_sink sink(keys, static_cast<std::size_t>(count), out);
  for (std::size_t row = 0; row < rows; ++row) {
    const auto record = live_record(*list, start + row);
    const std::uint8_t kind = record ? sink.read(*record, row) : python_api::row_no_record;
    if (out.rows) out.rows[row] = kind;
  }
  return static_cast<int>(rows);
}

}  // namespace python_utility
