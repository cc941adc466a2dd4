#pragma once
// Track selection.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text)
#define KV_TRACK_SELECT_OPERATIONS(X)                                                                 \
  X(bool, SetTrackIdSelected, (ReaProject* projID, int trackID, bool setSelectType),                  \
    "[KV:API]Set Track Selected")                                                                     \
  X(bool, SetTrackItemOnlySelected, (MediaTrack* track), "[KV:API]Set TrackItem  Only Selected")      \
  X(bool, SetTrackIdOnlySelected, (ReaProject* projID, int trackID), "[KV:API]Set Track Only Selected")

namespace KV_COBALT {
KV_TRACK_SELECT_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
