#include "api/track/track_select_operations.hpp"

#include "entry/host_import.hpp"

namespace KV_COBALT {

bool SetTrackIdSelected(ReaProject* projID, int trackID, bool setSelectType) {
  MediaTrack* track = host::GetTrack(projID, trackID);
  if (!track) return false;
  host::SetTrackSelected(track, setSelectType);
  return true;
}

bool SetTrackItemOnlySelected(MediaTrack* track) {
  if (!track) return false;
  host::SetOnlyTrackSelected(track);
  return true;
}

bool SetTrackIdOnlySelected(ReaProject* projID, int trackID) {
  return SetTrackItemOnlySelected(host::GetTrack(projID, trackID));
}

}  // namespace KV_COBALT
