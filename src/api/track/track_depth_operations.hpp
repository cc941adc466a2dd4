#pragma once
// Folder depth of a track: reading it and moving the track to another depth.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text, what it does and returns on failure)
#define KV_TRACK_DEPTH_OPERATIONS(X)                                                                         \
  X(bool, GetTrackItemDepth, (MediaTrack * track, int* depthOut), "[KV:API]Get Track Item Depth",            \
    "Writes the track's folder depth (0 at top level); false for a null track or a missing out-value.")      \
  X(bool, GetTrackIdDepth, (ReaProject * projID, int trackID, int* depthOut), "[KV:API]Get Track Id Depth",  \
    "As KV_GetTrackItemDepth for the track at trackID among all tracks.")                                    \
  X(bool, GetSelectedTrackIdDepth, (ReaProject * projID, int selectTrackID, int* depthOut),                  \
    "[KV:API]Get Select Track Id Depth", "As KV_GetTrackItemDepth for the selected track at selectTrackID.") \
  X(bool, SetTrackItemDepth, (MediaTrack * track, int setDepth), "[KV:API]Set Track Item Depth",             \
    "Moves the track to folder depth setDepth by changing the folder state of the track above it; "          \
    "false for a null track or a depth more than one level deeper than the track above allows.")             \
  X(bool, SetTrackIdDepth, (ReaProject * projID, int trackID, int setDepth), "[KV:API]Set Track Id Depth",   \
    "As KV_SetTrackItemDepth for the track at trackID among all tracks.")                                    \
  X(bool, SetSelectedTrackIdDepth, (ReaProject * projID, int selectTrackID, int setDepth),                   \
    "[KV:API]Set Selected Track Id Depth", "As KV_SetTrackItemDepth for the selected track at selectTrackID.")

namespace KV_COBALT {
KV_TRACK_DEPTH_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
