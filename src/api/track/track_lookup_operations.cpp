#include "api/track/track_lookup_operations.hpp"

#include "api/track/track_address.hpp"
#include "entry/host_import.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
using namespace track_address;

MediaTrack* GetTrackItemSelect(ReaProject* projID, int trackID, int trackType) {
  return by_type(projID, trackID, trackType);
}

MediaTrack* GetSelectedTrackFirstInfo(ReaProject* projID, int* trackIdOut) {
  MediaTrack* first = host::GetSelectedTrack(projID, 0);
  if (auto index = index_in(projID, first)) kv_utility::write_out(trackIdOut, *index);
  return first;
}

bool GetTrackItemIndex(MediaTrack* track, int* trackIdOut) {
  if (!trackIdOut) return false;
  const auto index = index_in(project_of(track), track);
  *trackIdOut = index.value_or(0);
  return index.has_value();
}

bool GetTrackCountSelect(ReaProject* projID, int trackType, int* countOut) {
  if (!countOut) return false;
  *countOut = 0;
  if (trackType == 0) *countOut = host::CountTracks(projID);
  if (trackType == 1) *countOut = host::CountSelectedTracks2(projID, true);
  return true;
}

bool DeleteTrackIdSelect(ReaProject* projID, int trackID, int trackType) {
  MediaTrack* track = by_type(projID, trackID, trackType);
  if (!track) return false;
  host::DeleteTrack(track);
  return true;
}

}  // namespace KV_COBALT
