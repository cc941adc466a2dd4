#pragma once
// Track colour, as a native colour or as red, green and blue.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text)
#define KV_TRACK_COLOR_OPERATIONS(X)                                                                   \
  X(bool, GetTrackItemColor, (MediaTrack* track, int* colorOut, int* rOut, int* gOut, int* bOut),      \
    "[KV:API]Get Track Item Color RGB")                                                                \
  X(bool, GetTrackIdColor,                                                                             \
    (ReaProject* projID, int trackID, int* colorOut, int* rOut, int* gOut, int* bOut),                 \
    "[KV:API]Get Track Item Color RGB")                                                                \
  X(bool, GetSelectedTrackIdColor,                                                                     \
    (ReaProject* projID, int selectTrackID, int* colorOut, int* rOut, int* gOut, int* bOut),           \
    "[KV:API]Get Selected Track Item Color RGB")                                                       \
  X(bool, SetTrackItemColor, (MediaTrack* track, int setColor), "[KV:API]SetTrack Item Color")         \
  X(bool, SetTrackIdColor, (ReaProject* projID, int trackID, int setColor), "[KV:API]Set Track Id Color") \
  X(bool, SetSelectedTrackIdColor, (ReaProject* projID, int selectTrackID, int setColor),              \
    "[KV:API]Set Selected Track Id Color")                                                             \
  X(bool, SetTrackItemRGB, (MediaTrack* track, int setR, int setG, int setB), "[KV:API]Set Track Item RGB") \
  X(bool, SetTrackIdRGB, (ReaProject* projID, int trackID, int setR, int setG, int setB),              \
    "[KV:API]Set Track Id RGB")                                                                        \
  X(bool, SetSelectedTrackIdRGB, (ReaProject* projID, int selectTrackID, int setR, int setG, int setB), \
    "[KV:API]Set Selected Track Id RGB")

namespace KV_COBALT {
KV_TRACK_COLOR_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
