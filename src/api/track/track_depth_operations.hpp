#pragma once
// Folder depth of a track: reading it and moving the track to another depth.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text)
#define KV_TRACK_DEPTH_OPERATIONS(X)                                                                          \
  X(bool, GetTrackItemDepth, (MediaTrack* track, int* depthOut), "[KV:API]Get Track Item Depth")              \
  X(bool, GetTrackIdDepth, (ReaProject* projID, int trackID, int* depthOut), "[KV:API]Get Track Id Depth")    \
  X(bool, GetSelectedTrackIdDepth, (ReaProject* projID, int selectTrackID, int* depthOut),                    \
    "[KV:API]Get Select Track Id Depth")                                                                      \
  X(bool, SetTrackItemDepth, (MediaTrack* track, int setDepth), "[KV:API]Set Track Item Depth")               \
  X(bool, SetTrackIdDepth, (ReaProject* projID, int trackID, int setDepth), "[KV:API]Set Track Id Depth")     \
  X(bool, SetSelectedTrackIdDepth, (ReaProject* projID, int selectTrackID, int setDepth),                     \
    "[KV:API]Set Selected Track Id Depth")

namespace KV_COBALT {
KV_TRACK_DEPTH_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
