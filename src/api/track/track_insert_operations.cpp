#include "api/track/track_insert_operations.hpp"

#include <algorithm>
#include <string>

#include "api/track/track_address.hpp"
#include "api/track/track_depth_operations.hpp"
#include "api/track/track_name_operations.hpp"
#include "entry/host_import.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
using namespace track_address;

namespace {

// Inserts at index and says whether the project really gained a track: a
// foreign project handle, or a host that can only insert into the current
// project, leaves it as it was.
bool inserted_into(ReaProject* project, int index) {
  const int before = host::CountTracks(project);
  return insert_track(project, index) && host::CountTracks(project) == before + 1;
}

// The last track of parent's sub-tree: the parent itself when it has no
// descendants.
int subtree_end(ReaProject* project, int parent, int parent_depth) {
  const int count = host::CountTracks(project);
  int end = parent;
  while (end + 1 < count && host::GetTrackDepth(host::GetTrack(project, end + 1)) > parent_depth) ++end;
  return end;
}

}  // namespace

MediaTrack* InsertTrackId(ReaProject* projID, int trackID) {
  if (!inserted_into(projID, trackID)) return nullptr;
  // The host clamps the position into the list; so does the lookup here.
  const int count = host::CountTracks(projID);
  return host::GetTrack(projID, std::clamp(trackID, 0, count - 1));
}

// The new track goes after the whole sub-tree, so no descendant is cut off
// from its folder, and the track after it gets its old depth back, so no
// following track is pulled into the folder.
MediaTrack* InsertChildTrack(MediaTrack* parentTrack, int* trackIdOut) {
  if (!parentTrack) return nullptr;
  ReaProject* project = project_of(parentTrack);
  const auto parent = index_in(project, parentTrack);
  if (!parent) return nullptr;  // the master track, or a track of no project
  const int parent_depth = host::GetTrackDepth(parentTrack);
  const int position = subtree_end(project, *parent, parent_depth) + 1;
  MediaTrack* next = host::GetTrack(project, position);
  const int next_depth = next ? host::GetTrackDepth(next) : 0;
  if (!inserted_into(project, position)) return nullptr;
  SetTrackIdDepth(project, position, parent_depth + 1);
  if (next) SetTrackIdDepth(project, position + 1, next_depth);
  kv_utility::write_out(trackIdOut, position);
  return host::GetTrack(project, position);
}

MediaTrack* InsertTrackSearchUniqueOnly(ReaProject* projID, const char* setTrackName, int* trackIdOut) {
  const std::string wanted = setTrackName ? setTrackName : "";
  const int count = host::CountTracks(projID);
  for (int i = 0; i < count; ++i) {
    MediaTrack* track = host::GetTrack(projID, i);
    if (read_track_name(track) == wanted) {
      kv_utility::write_out(trackIdOut, i);
      return track;
    }
  }
  if (!inserted_into(projID, count)) return nullptr;
  MediaTrack* appended = host::GetTrack(projID, count);
  SetTrackItemName(appended, wanted.c_str());
  kv_utility::write_out(trackIdOut, count);
  return appended;
}

}  // namespace KV_COBALT
