#include "binding/python/object_pool.hpp"

#include <cstdlib>
#include <iterator>

#include "object/record_types.hpp"

namespace python_utility {

const pyvar_map::entries::value_type& pyvar_map::at_position(std::size_t position) const {
  // Steps from whichever is nearest: the first entry, the end or the last read.
  using offset = std::ptrdiff_t;
  const auto target = static_cast<offset>(position);
  auto from = entries_.cbegin();
  offset steps = target;
  if (const offset from_end = target - static_cast<offset>(entries_.size()); -from_end < steps) {
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

void* get_ptr_inarray(std::uint64_t handle, int index) {
  if (void* pointer = get_value_inarray<void*>(handle, index)) return pointer;
  const auto* list = find_in(kv_List::kvList_pool, handle);
  if (!list || index < 0 || static_cast<std::size_t>(index) >= list->size()) return nullptr;
  // A record released since reads as null rather than as an address that
  // another object may later have.
  const auto record = (*list)[static_cast<std::size_t>(index)].lock();
  if (!record || kv_object::find_pooled_record(record->handle) != record.get()) return nullptr;
  return reinterpret_cast<void*>(record->handle);
}

}  // namespace python_utility
