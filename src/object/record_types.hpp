#pragma once
// Every record class scripts can hold, and lookups across their pools.
#include <cstdint>
#include <string_view>

#include "object/kv_midi.hpp"
#include "object/kv_peak.hpp"
#include "object/track_detail.hpp"

namespace kv_object {

template <class... Records>
struct record_type_list {
  // f.template operator()<R>() for each record class until one returns true.
  template <class F>
  static bool any(F&& f) {
    return (f.template operator()<Records>() || ...);
  }
};

using record_types = record_type_list<TrackDetail, kv_Midi, kv_Peak>;

// The pooled record with this handle, or null.
inline kv_List* find_pooled_record(std::uint64_t handle) {
  kv_List* found = nullptr;
  record_types::any([&]<class R>() {
    const auto entry = R::pool.find(handle);
    if (entry != R::pool.end()) found = entry->second.get();
    return found != nullptr;
  });
  return found;
}

// A new empty record of the named class in the record list; 0, creating
// nothing, for an unknown class name or a handle that names no record list.
inline std::uint64_t create_named_record(std::uint64_t list_handle, std::string_view type_name) {
  std::uint64_t created = 0;
  record_types::any([&]<class R>() {
    if (type_name != R::type_name) return false;
    created = kv_List::create_kvobj_inarray<R>(list_handle);
    return true;
  });
  return created;
}

}  // namespace kv_object
