// Media items, takes and take envelopes: the model holds none yet, so every
// look-up finds nothing and every change is refused.
#include "api/host_api.hpp"

namespace kvhost::api {

MediaItem* GetMediaItem(ReaProject*, int) { return nullptr; }
int CountSelectedMediaItems(ReaProject*) { return 0; }
MediaItem* GetSelectedMediaItem(ReaProject*, int) { return nullptr; }
double GetMediaItemInfo_Value(MediaItem*, const char*) { return 0; }
bool SetMediaItemInfo_Value(MediaItem*, const char*, double) { return false; }
void SetMediaItemSelected(MediaItem*, bool) {}
void SelectAllMediaItems(ReaProject*, bool) {}
ReaProject* GetItemProjectContext(MediaItem*) { return nullptr; }
MediaItem_Take* GetActiveTake(MediaItem*) { return nullptr; }
int CountTakes(MediaItem*) { return 0; }
int GetMediaItemTake_Peaks(MediaItem_Take*, double, double, int, int, int, double*) { return 0; }
TrackEnvelope* GetTakeEnvelopeByName(MediaItem_Take*, const char*) { return nullptr; }
int CountTakeEnvelopes(MediaItem_Take*) { return 0; }
TrackEnvelope* GetTakeEnvelope(MediaItem_Take*, int) { return nullptr; }

}  // namespace kvhost::api
