#include "object/track_detail.hpp"

#include <tuple>

#include "object/record_fields.hpp"

namespace kv_object {
using record_fields::keyed_field;

namespace {
// The five holders of a row made in one allocation; each field's owner shares it.
struct holders {
  kv_LitsItem_inner<std::string> name;
  kv_LitsItem_inner<MediaTrack*> track;
  kv_LitsItem_inner<double> volume;
  kv_LitsItem_inner<int> index;
  kv_LitsItem_inner<int> depth;
};
}  // namespace

TrackDetail::TrackDetail() {
  const auto all = std::make_shared<holders>();
  Name = {all, &all->name};
  Track = {all, &all->track};
  Volume = {all, &all->volume};
  Index = {all, &all->index};
  Depth = {all, &all->depth};
}

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
