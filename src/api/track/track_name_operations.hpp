#pragma once
// Track names.
#include <string>

#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text)
#define KV_TRACK_NAME_OPERATIONS(X)                                                                  \
  X(bool, GetTrackItemName, (MediaTrack* track, char* nameOut, int nameOut_sz),                      \
    "[KV:API]Get track item name")                                                                   \
  X(bool, GetTrackIdName, (ReaProject* projID, int trackID, char* nameOut, int nameOut_sz),          \
    "[KV:API]Get track name")                                                                        \
  X(bool, GetSelectedTrackIdName, (ReaProject* projID, int trackID, char* nameOut, int nameOut_sz),  \
    "[KV:API]Get select track name")                                                                 \
  X(bool, SetTrackItemName, (MediaTrack* track, const char* setName), "[KV:API]Set track item name") \
  X(bool, SetTrackIdName, (ReaProject* projID, int trackID, const char* setName),                    \
    "[KV:API]Set track name")                                                                        \
  X(bool, SetSelectedTrackIdName, (ReaProject* projID, int selectTrackID, const char* setName),      \
    "[KV:API]Set select track name")

namespace KV_COBALT {
KV_TRACK_NAME_OPERATIONS(KV_DECLARE_OPERATION)

// The name as the name getter reads it (the host's default name for a track
// without one), at most 1023 bytes; empty when the host cannot tell.
std::string read_track_name(MediaTrack* track);
}  // namespace KV_COBALT
