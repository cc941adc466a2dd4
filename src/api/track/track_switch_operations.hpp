#pragma once
// Mute and solo of a track.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text)
#define KV_TRACK_SWITCH_OPERATIONS(X)                                                                         \
  X(bool, GetTrackItemMute, (MediaTrack* track, bool* muteOut), "[KV:API]Get track item mute")                \
  X(bool, GetTrackIdMute, (ReaProject* projID, int trackId, bool* muteOut), "[KV:API]Get track id mute")      \
  X(bool, GetSelectedTrackIdMute, (ReaProject* projID, int selectTrackId, bool* muteOut),                     \
    "[KV:API]Get select track id mute")                                                                       \
  X(bool, SetTrackItemMute, (MediaTrack* track, bool setMute), "[KV:API]Set track item mute")                 \
  X(bool, SetTrackIdMute, (ReaProject* projID, int trackID, bool setMute), "[KV:API]Set track id mute")       \
  X(bool, SetSelectedTrackIdMute, (ReaProject* projID, int selectTrackID, bool setMute),                      \
    "[KV:API]Set select track id mute")                                                                       \
  X(bool, SetTrackAllMuteOFF, (ReaProject* projID), "[KV:API]Set Track All Mute Off")                         \
  X(bool, GetTrackItemSolo, (MediaTrack* track, bool* soloOut), "[KV:API]Get Track Item Solo")                \
  X(bool, GetTrackIdSolo, (ReaProject* projID, int trackID, bool* soloOut), "[KV:API]Get Track Id Solo")      \
  X(bool, GetSelectedTrackIdSolo, (ReaProject* projID, int selectTrackID, bool* soloOut),                     \
    "[KV:API]Get Select Track Id Solo")                                                                       \
  X(bool, SetTrackItemSolo, (MediaTrack* track, bool setSolo), "[KV:API]Set Track Item Solo")                 \
  X(bool, SetTrackIdSolo, (ReaProject* projID, int trackID, bool setSolo), "[KV:API]Set Track Id Solo")       \
  X(bool, SetSelectedTrackIdSolo, (ReaProject* projID, int selectTrackID, bool setSolo),                      \
    "[KV:API]Set Select Track Id Solo")                                                                       \
  X(bool, SetTrackAllSoloOFF, (ReaProject* projID), "[KV:API]Set Track All Solo Off")

namespace KV_COBALT {
KV_TRACK_SWITCH_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
