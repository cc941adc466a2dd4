#pragma once
// Track volume in decibels; the host keeps it as linear gain.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text)
#define KV_TRACK_VOLUME_OPERATIONS(X)                                                                     \
  X(bool, GetTrackItemVolume, (MediaTrack* track, double* volumeOut), "[KV:API]Get Track Item Volume")    \
  X(bool, GetTrackIdVolume, (ReaProject* projID, int trackID, double* volumeOut),                         \
    "[KV:API]Get Track Volume")                                                                           \
  X(bool, GetSelectedTrackIdVolume, (ReaProject* projID, int selectTrackID, double* volumeOut),           \
    "[KV:API]Get Select Track Volume")                                                                    \
  X(bool, SetTrackItemVolume, (MediaTrack* track, double setVolume), "[KV:API]Set Track Item Volume")     \
  X(bool, SetTrackIdVolume, (ReaProject* projID, int trackID, double setVolume),                          \
    "[KV:API]Set track volume")                                                                           \
  X(bool, SetSelectedTrackIdVolume, (ReaProject* projID, int selectTrackID, double setVolume),            \
    "[KV:API]Set Select Track volume")                                                                    \
  X(bool, SetTrackItemAddVolume, (MediaTrack* track, double addVolume),                                   \
    "[KV:API]Set Track Item Add Volume")                                                                  \
  X(bool, SetTrackIdAddVolume, (ReaProject* projID, int trackID, double addVolume),                       \
    "[KV:API]Set Track Id Add Volume")                                                                    \
  X(bool, SetSelectedTrackIdAddVolume, (ReaProject* projID, int selectTrackID, double addVolume),         \
    "[KV:API]Set Select Track Id Add Volume")

namespace KV_COBALT {
KV_TRACK_VOLUME_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
