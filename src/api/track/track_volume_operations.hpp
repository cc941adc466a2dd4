#pragma once
// Track volume in decibels; the host keeps it as linear gain.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text, what it does and returns on failure)
#define KV_TRACK_VOLUME_OPERATIONS(X)                                                                          \
  X(bool, GetTrackItemVolume, (MediaTrack * track, double* volumeOut), "[KV:API]Get Track Item Volume",        \
    "Writes the track's volume in decibels, rounded to two decimals; false for a null track or a "             \
    "missing out-value.")                                                                                      \
  X(bool, GetTrackIdVolume, (ReaProject * projID, int trackID, double* volumeOut), "[KV:API]Get Track Volume", \
    "As KV_GetTrackItemVolume for the track at trackID among all tracks; false, nothing written, when"         \
    " the index names no track.")                                                                              \
  X(bool, GetSelectedTrackIdVolume, (ReaProject * projID, int selectTrackID, double* volumeOut),               \
    "[KV:API]Get Select Track Volume",                                                                         \
    "As KV_GetTrackItemVolume for the selected track at selectTrackID; false, nothing written, when "          \
    "the index names no track.")                                                                               \
  X(bool, SetTrackItemVolume, (MediaTrack * track, double setVolume), "[KV:API]Set Track Item Volume",         \
    "Sets the track's volume to setVolume decibels and redraws; false for a null track or a volume "           \
    "that is not a finite gain.")                                                                              \
  X(bool, SetTrackIdVolume, (ReaProject * projID, int trackID, double setVolume), "[KV:API]Set track volume",  \
    "As KV_SetTrackItemVolume for the track at trackID among all tracks; false when the index names "          \
    "no track.")                                                                                               \
  X(bool, SetSelectedTrackIdVolume, (ReaProject * projID, int selectTrackID, double setVolume),                \
    "[KV:API]Set Select Track volume",                                                                         \
    "As KV_SetTrackItemVolume for the selected track at selectTrackID; false when the index names no "         \
    "track.")                                                                                                  \
  X(bool, SetTrackItemAddVolume, (MediaTrack * track, double addVolume), "[KV:API]Set Track Item Add Volume",  \
    "Adds addVolume decibels to the track's volume and redraws; false for a null track or a result "           \
    "that is not a finite gain.")                                                                              \
  X(bool, SetTrackIdAddVolume, (ReaProject * projID, int trackID, double addVolume),                           \
    "[KV:API]Set Track Id Add Volume",                                                                         \
    "As KV_SetTrackItemAddVolume for the track at trackID among all tracks; false when the index "             \
    "names no track.")                                                                                         \
  X(bool, SetSelectedTrackIdAddVolume, (ReaProject * projID, int selectTrackID, double addVolume),             \
    "[KV:API]Set Select Track Id Add Volume",                                                                  \
    "As KV_SetTrackItemAddVolume for the selected track at selectTrackID; false when the index names "         \
    "no track.")

namespace KV_COBALT {
KV_TRACK_VOLUME_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
