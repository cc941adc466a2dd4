#include "object/track_detail.hpp"

#include <tuple>

#include "object/record_fields.hpp"

namespace kv_object {
using record_fields::keyed_field;

TrackDetail::TrackDetail()
    : Name(std::make_shared<kv_LitsItem_inner<std::string>>()),
      Track(std::make_shared<kv_LitsItem_inner<MediaTrack*>>()),
      Volume(std::make_shared<kv_LitsItem_inner<double>>()),
      Index(std::make_shared<kv_LitsItem_inner<int>>()),
      Depth(std::make_shared<kv_LitsItem_inner<int>>()) {}

// In key order.
auto TrackDetail::fields() const {
  return std::make_tuple(keyed_field<std::string>{"Name", "string", *Name},
                         keyed_field<MediaTrack*>{"Track", "MediaTrack*", *Track},
                         keyed_field<double>{"Volume", "double", *Volume}, keyed_field<int>{"Index", "int", *Index},
                         keyed_field<int>{"Depth", "int", *Depth});
}

std::pair<std::string, std::string> TrackDetail::get_key_info(int i) const {
  return record_fields::key_info(fields(), i);
}

int TrackDetail::get_size() const { return record_fields::size(fields()); }

pyvar TrackDetail::get_value(std::string key) const { return record_fields::value(fields(), key); }

void TrackDetail::set_value(std::string key, pyvar value) { record_fields::set(fields(), key, value); }

}  // namespace kv_object
