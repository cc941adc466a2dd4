#include "api/track/track_depth_operations.hpp"

#include <optional>

#include "api/track/track_address.hpp"
#include "entry/host_import.hpp"

namespace KV_COBALT {
namespace {
using track_address::index_in;
using track_address::project_of;

// The index forms hand a missing track to the host, which answers depth 0.
bool read_depth(MediaTrack* track, int* depthOut) {
  if (!depthOut) return false;
  *depthOut = host::GetTrackDepth(track);
  return true;
}

// A track's depth is set by the folder change of the track before it, which
// can open one level at most. The first track, or no track, stays as it is.
bool move_to_depth(ReaProject* project, std::optional<int> position, int setDepth) {
  if (!position || *position <= 0) return true;
  MediaTrack* before = host::GetTrack(project, *position - 1);
  const long long change = static_cast<long long>(setDepth) - host::GetTrackDepth(before);
  if (change > 1) return false;
  host::SetMediaTrackInfo_Value(before, "I_FOLDERDEPTH", static_cast<double>(change));
  return true;
}

}  // namespace

bool GetTrackItemDepth(MediaTrack* track, int* depthOut) { return track && read_depth(track, depthOut); }

bool GetTrackIdDepth(ReaProject* projID, int trackID, int* depthOut) {
  return read_depth(host::GetTrack(projID, trackID), depthOut);
}

bool GetSelectedTrackIdDepth(ReaProject* projID, int selectTrackID, int* depthOut) {
  return read_depth(host::GetSelectedTrack(projID, selectTrackID), depthOut);
}

bool SetTrackItemDepth(MediaTrack* track, int setDepth) {
  if (!track) return false;
  ReaProject* project = project_of(track);
  return move_to_depth(project, index_in(project, track), setDepth);
}

bool SetTrackIdDepth(ReaProject* projID, int trackID, int setDepth) {
  // A track found at an index is at that position: no scan needed.
  const bool found = host::GetTrack(projID, trackID) != nullptr;
  return move_to_depth(projID, found ? std::optional(trackID) : std::nullopt, setDepth);
}

bool SetSelectedTrackIdDepth(ReaProject* projID, int selectTrackID, int setDepth) {
  return move_to_depth(projID, index_in(projID, host::GetSelectedTrack(projID, selectTrackID)), setDepth);
}

}  // namespace KV_COBALT
