#pragma once
// Track selection.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text, what it does and returns on failure)
#define KV_TRACK_SELECT_OPERATIONS(X)                                                                               \
  X(bool, SetTrackIdSelected, (ReaProject * projID, int trackID, bool setSelectType), "[KV:API]Set Track Selected", \
    "Selects (true) or deselects (false) the track at trackID, leaving the other tracks as they are; "              \
    "false when the index names no track.")                                                                         \
  X(bool, SetTrackItemOnlySelected, (MediaTrack * track), "[KV:API]Set TrackItem  Only Selected",                   \
    "Makes the track the only selected track; false for a null track.")                                             \
  X(bool, SetTrackIdOnlySelected, (ReaProject * projID, int trackID), "[KV:API]Set Track Only Selected",            \
    "Makes the track at trackID the only selected track; false when the index names no track.")

namespace KV_COBALT {
KV_TRACK_SELECT_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
