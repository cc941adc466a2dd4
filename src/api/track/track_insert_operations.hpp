#pragma once
// Inserting tracks: at a position, as the last child of a folder, or only
// when no track of that name exists.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text)
#define KV_TRACK_INSERT_OPERATIONS(X)                                                             \
  X(MediaTrack*, InsertTrackId, (ReaProject* projID, int trackID), "[KV:API]Insert Track Out TrackItem") \
  X(MediaTrack*, InsertChildTrack, (MediaTrack* parentTrack, int* trackIdOut),                    \
    "[KV:API]Insert Child Track")                                                                 \
  X(MediaTrack*, InsertTrackSearchUniqueOnly,                                                     \
    (ReaProject* projID, const char* setTrackName, int* trackIdOut), "[KV:API]Insert Track Unique Only")

namespace KV_COBALT {
KV_TRACK_INSERT_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
