#pragma once
// Track names.
#include <string>

#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text, what it does and returns on failure)
#define KV_TRACK_NAME_OPERATIONS(X)                                                                                    \
  X(bool, GetTrackItemName, (MediaTrack * track, char* nameOut, int nameOut_sz), "[KV:API]Get track item name",        \
    "Copies the track's name (\"Track N\" when it has none, \"MASTER\" for the master track) into the"                 \
    " buffer, cut to fit; false for a null track or buffer.")                                                          \
  X(bool, GetTrackIdName, (ReaProject * projID, int trackID, char* nameOut, int nameOut_sz), "[KV:API]Get track name", \
    "As KV_GetTrackItemName for the track at trackID among all tracks; false when the index names no "                 \
    "track.")                                                                                                          \
  X(bool, GetSelectedTrackIdName, (ReaProject * projID, int trackID, char* nameOut, int nameOut_sz),                   \
    "[KV:API]Get select track name",                                                                                   \
    "As KV_GetTrackItemName for the selected track at trackID (an index among the selected tracks); "                  \
    "false when the index names no track.")                                                                            \
  X(bool, SetTrackItemName, (MediaTrack * track, const char* setName), "[KV:API]Set track item name",                  \
    "Renames the track; returns the host's answer, false for a null track.")                                           \
  X(bool, SetTrackIdName, (ReaProject * projID, int trackID, const char* setName), "[KV:API]Set track name",           \
    "Renames the track at trackID among all tracks; false when the index names no track.")                             \
  X(bool, SetSelectedTrackIdName, (ReaProject * projID, int selectTrackID, const char* setName),                       \
    "[KV:API]Set select track name",                                                                                   \
    "Renames the selected track at selectTrackID; false when the index names no track.")

namespace KV_COBALT {
KV_TRACK_NAME_OPERATIONS(KV_DECLARE_OPERATION)

// The name as the name getter reads it (the host's default name for a track
// without one), at most 1023 bytes; empty when the host cannot tell.
std::string read_track_name(MediaTrack* track);
}  // namespace KV_COBALT
