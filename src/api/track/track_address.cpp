#include "api/track/track_address.hpp"

#include "entry/host_import.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT::track_address {

ReaProject* project_of(MediaTrack* track) {
  if (!track) return nullptr;
  return static_cast<ReaProject*>(kv_utility::address_from_number(host::GetMediaTrackInfo_Value(track, "P_PROJECT")));
}

MediaTrack* by_type(ReaProject* project, int index, int type) {
  switch (type) {
    case 0:
      return host::GetTrack(project, index);
    case 1:
      return host::GetSelectedTrack(project, index);
    default:
      return nullptr;
  }
}

std::optional<int> index_in(ReaProject* project, MediaTrack* track) {
  if (!track) return std::nullopt;
  const int count = host::CountTracks(project);
  for (int i = 0; i < count; ++i)
    if (host::GetTrack(project, i) == track) return i;
  return std::nullopt;
}

namespace {

// Whether project is the one the host's insertion without a project reaches:
// null, or a project whose first track is the current project's first track
// (a track belongs to one project). An empty project handle cannot be told
// apart from another project's and counts as foreign.
bool is_current(ReaProject* project) {
  if (!project) return true;
  MediaTrack* first = host::GetTrack(project, 0);
  return first && first == host::GetTrack(nullptr, 0);
}

}  // namespace

bool insert_track(ReaProject* project, int index) {
  if (host::InsertTrackInProject) {
    host::InsertTrackInProject(project, index, 1);
    return true;
  }
  if (!is_current(project)) return false;
  host::InsertTrackAtIndex(index, true);
  return true;
}

}  // namespace KV_COBALT::track_address
