// Finding the selected tracks, the master, and the track or take of an item.
#include "api/host_api.hpp"
#include "model/state.hpp"

namespace kvhost::api {
using namespace kvhost::model;

int CountSelectedTracks(ReaProject* proj) { return CountSelectedTracks2(proj, false); }

MediaTrack* GetSelectedTrack2(ReaProject* proj, int seltrackidx, bool wantmaster) {
  auto* owner = find_project(proj);
  if (!owner) return nullptr;
  if (wantmaster && owner->master().selected) {
    if (seltrackidx <= 0) return seltrackidx == 0 ? handle(&owner->master()) : nullptr;
    --seltrackidx;
  }
  return handle(owner->selected_at(seltrackidx));
}

MediaTrack* GetMasterTrack(ReaProject* proj) {
  auto* owner = find_project(proj);
  return owner ? handle(&owner->master()) : nullptr;
}

MediaTrack* GetMediaItemTrack(MediaItem* item) { return GetMediaItem_Track(item); }

MediaTrack* GetMediaItemTake_Track(MediaItem_Take* take) {
  auto* member = find_take(take);
  return member ? handle(member->owner->owner) : nullptr;
}

MediaItem_Take* GetTake(MediaItem* item, int takeidx) { return GetMediaItemTake(item, takeidx); }

}  // namespace kvhost::api
