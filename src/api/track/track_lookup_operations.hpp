#pragma once
// Finding, locating, counting and deleting tracks.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text)
#define KV_TRACK_LOOKUP_OPERATIONS(X)                                                       \
  X(MediaTrack*, GetTrackItemSelect, (ReaProject* projID, int trackID, int trackType),      \
    "[KV:API]Get track item select")                                                        \
  X(MediaTrack*, GetSelectedTrackFirstInfo, (ReaProject* projID, int* trackIdOut),          \
    "[KV:API]Get select track first info")

#define KV_TRACK_INDEX_OPERATIONS(X)                                                        \
  X(bool, GetTrackItemIndex, (MediaTrack* track, int* trackIdOut),                          \
    "[KV:API]Get Track Item Index")                                                         \
  X(bool, GetTrackCountSelect, (ReaProject* projID, int trackType, int* countOut),          \
    "[KV:API]Get track count select")

#define KV_TRACK_DELETE_OPERATIONS(X)                                                       \
  X(bool, DeleteTrackIdSelect, (ReaProject* projID, int trackID, int trackType),            \
    "[KV:API]Delete trackID Select")

namespace KV_COBALT {
KV_TRACK_LOOKUP_OPERATIONS(KV_DECLARE_OPERATION)
KV_TRACK_INDEX_OPERATIONS(KV_DECLARE_OPERATION)
KV_TRACK_DELETE_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
