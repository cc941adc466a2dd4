#pragma once
// One track row of a track list: which fields a row carries depends on the
// list that made it.
#include <string>
#include <tuple>

#include "entry/host_types.hpp"
#include "object/keyed_record.hpp"

namespace kv_object {

struct track_detail_fields {
  kv_LitsItem_inner<std::string> Name;
  kv_LitsItem_inner<MediaTrack*> Track;
  kv_LitsItem_inner<double> Volume;
  kv_LitsItem_inner<int> Index;
  kv_LitsItem_inner<int> Depth;

  // In key order. The track is a host handle: a Lua table cannot set it.
  auto keyed() {
    using record_fields::keyed_field;
    return std::make_tuple(keyed_field<std::string>{"Name", "string", Name},
                           keyed_field<MediaTrack*>{"Track", "MediaTrack*", Track, false},
                           keyed_field<double>{"Volume", "double", Volume}, keyed_field<int>{"Index", "int", Index},
                           keyed_field<int>{"Depth", "int", Depth});
  }
};

class TrackDetail final : public keyed_record<TrackDetail, track_detail_fields> {
 public:
  static constexpr const char* type_name = "TrackDetail";
};

}  // namespace kv_object
