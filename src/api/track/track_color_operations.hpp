#pragma once
// Track colour, as a native colour or as red, green and blue.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text, what it does and returns on failure)
#define KV_TRACK_COLOR_OPERATIONS(X)                                                                                   \
  X(bool, GetTrackItemColor, (MediaTrack * track, int* colorOut, int* rOut, int* gOut, int* bOut),                     \
    "[KV:API]Get Track Item Color RGB",                                                                                \
    "Writes the track's native colour (with the custom-colour bit 0x1000000, 0 when it has none) and "                 \
    "its red, green and blue; false for a null track or a missing out-value.")                                         \
  X(bool, GetTrackIdColor, (ReaProject * projID, int trackID, int* colorOut, int* rOut, int* gOut, int* bOut),         \
    "[KV:API]Get Track Item Color RGB",                                                                                \
    "As KV_GetTrackItemColor for the track at trackID among all tracks; an index that names no track "                 \
    "reads as no colour (0).")                                                                                         \
  X(bool, GetSelectedTrackIdColor,                                                                                     \
    (ReaProject * projID, int selectTrackID, int* colorOut, int* rOut, int* gOut, int* bOut),                          \
    "[KV:API]Get Selected Track Item Color RGB",                                                                       \
    "As KV_GetTrackItemColor for the selected track at selectTrackID; an index that names no track "                   \
    "reads as no colour (0).")                                                                                         \
  X(bool, SetTrackItemColor, (MediaTrack * track, int setColor), "[KV:API]SetTrack Item Color",                        \
    "Gives the track the native colour setColor, marked as its own colour (bit 0x1000000); false for "                 \
    "a null track.")                                                                                                   \
  X(bool, SetTrackIdColor, (ReaProject * projID, int trackID, int setColor), "[KV:API]Set Track Id Color",             \
    "As KV_SetTrackItemColor for the track at trackID among all tracks; an index that names no track "                 \
    "changes nothing.")                                                                                                \
  X(bool, SetSelectedTrackIdColor, (ReaProject * projID, int selectTrackID, int setColor),                             \
    "[KV:API]Set Selected Track Id Color",                                                                             \
    "As KV_SetTrackItemColor for the selected track at selectTrackID; an index that names no track "                   \
    "changes nothing.")                                                                                                \
  X(bool, SetTrackItemRGB, (MediaTrack * track, int setR, int setG, int setB), "[KV:API]Set Track Item RGB",           \
    "Gives the track the colour of red, green and blue, each held to 0-255, as the host's "                            \
    "ColorToNative makes it; false for a null track.")                                                                 \
  X(bool, SetTrackIdRGB, (ReaProject * projID, int trackID, int setR, int setG, int setB), "[KV:API]Set Track Id RGB", \
    "As KV_SetTrackItemRGB for the track at trackID among all tracks; an index that names no track "                   \
    "changes nothing.")                                                                                                \
  X(bool, SetSelectedTrackIdRGB, (ReaProject * projID, int selectTrackID, int setR, int setG, int setB),               \
    "[KV:API]Set Selected Track Id RGB",                                                                               \
    "As KV_SetTrackItemRGB for the selected track at selectTrackID; an index that names no track "                     \
    "changes nothing.")

namespace KV_COBALT {
KV_TRACK_COLOR_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
