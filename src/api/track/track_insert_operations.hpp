#pragma once
// Inserting tracks: at a position, as the last child of a folder, or only
// when no track of that name exists.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text, what it does and returns on failure)
#define KV_TRACK_INSERT_OPERATIONS(X)                                                                           \
  X(MediaTrack*, InsertTrackId, (ReaProject * projID, int trackID), "[KV:API]Insert Track Out TrackItem",       \
    "Inserts a new track at position trackID (held to 0 .. track count) and returns it; null when the"          \
    " host added no track.")                                                                                    \
  X(MediaTrack*, InsertChildTrack, (MediaTrack * parentTrack, int* trackIdOut), "[KV:API]Insert Child Track",   \
    "Inserts a new track as the last direct child of parentTrack, returns it and writes its index; "            \
    "null for a null track, the master track or a failed insertion.")                                           \
  X(MediaTrack*, InsertTrackSearchUniqueOnly, (ReaProject * projID, const char* setTrackName, int* trackIdOut), \
    "[KV:API]Insert Track Unique Only",                                                                         \
    "Returns the first track named setTrackName, or appends a new track with that name; writes its "            \
    "index. Null when no track could be added.")

namespace KV_COBALT {
KV_TRACK_INSERT_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
