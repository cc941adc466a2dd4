// Whether a handle is a live object of the named type in a project.
#include <string_view>

#include "api/host_api.hpp"
#include "model/state.hpp"
#include "model/text.hpp"

namespace kvhost::api {
using namespace kvhost::model;
namespace {

project* project_of(const take* member) { return member ? &owner_project(*member->owner) : nullptr; }

// The project the object of that type lives in; null when the pointer is no
// live object of the type, or one that no project holds (a source a script
// still owns).
project* home_of(void* pointer, std::string_view type) {
  if (type == "MediaTrack*") {
    const track* member = find_track(static_cast<MediaTrack*>(pointer));
    return member ? member->owner : nullptr;
  }
  if (type == "MediaItem*") {
    item* member = find_item(static_cast<MediaItem*>(pointer));
    return member ? &owner_project(*member) : nullptr;
  }
  if (type == "MediaItem_Take*") return project_of(find_take(static_cast<MediaItem_Take*>(pointer)));
  if (type == "TrackEnvelope*") {
    const envelope* member = find_envelope(static_cast<TrackEnvelope*>(pointer));
    return member ? project_of(member->owner) : nullptr;
  }
  if (type == "PCM_source*") {
    const source* member = find_source(static_cast<PCM_source*>(pointer));
    return member ? project_of(member->owner) : nullptr;
  }
  return nullptr;
}

}  // namespace

bool ValidatePtr2(ReaProject* proj, void* pointer, const char* ctypename) {
  if (!pointer) return false;
  const auto type = text_or_empty(ctypename);
  // A project is checked on its own; proj does not matter then.
  if (type == "ReaProject*") return find_project(static_cast<ReaProject*>(pointer)) != nullptr;
  project* home = home_of(pointer, type);
  return home && home == find_project(proj);
}

bool ValidatePtr(void* pointer, const char* ctypename) { return ValidatePtr2(nullptr, pointer, ctypename); }

}  // namespace kvhost::api
