#pragma once
// Mute and solo of a track.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text, what it does and returns on failure)
#define KV_TRACK_SWITCH_OPERATIONS(X)                                                                     \
  X(bool, GetTrackItemMute, (MediaTrack * track, bool* muteOut), "[KV:API]Get track item mute",           \
    "Returns whether the track is muted and writes the same; false with the out-value untouched for a"    \
    " null track or a mute value that is neither off nor on.")                                            \
  X(bool, GetTrackIdMute, (ReaProject * projID, int trackId, bool* muteOut), "[KV:API]Get track id mute", \
    "As KV_GetTrackItemMute for the track at trackId among all tracks; false, nothing written, when "     \
    "the index names no track.")                                                                          \
  X(bool, GetSelectedTrackIdMute, (ReaProject * projID, int selectTrackId, bool* muteOut),                \
    "[KV:API]Get select track id mute",                                                                   \
    "As KV_GetTrackItemMute for the selected track at selectTrackId; false, nothing written, when the"    \
    " index names no track.")                                                                             \
  X(bool, SetTrackItemMute, (MediaTrack * track, bool setMute), "[KV:API]Set track item mute",            \
    "Mutes (true) or unmutes (false) the track; returns the host's answer, false for a null track.")      \
  X(bool, SetTrackIdMute, (ReaProject * projID, int trackID, bool setMute), "[KV:API]Set track id mute",  \
    "Mutes or unmutes the track at trackID among all tracks; returns the host's answer, false when "      \
    "the index names no track.")                                                                          \
  X(bool, SetSelectedTrackIdMute, (ReaProject * projID, int selectTrackID, bool setMute),                 \
    "[KV:API]Set select track id mute",                                                                   \
    "Mutes or unmutes the selected track at selectTrackID; returns the host's answer, false when the "    \
    "index names no track.")                                                                              \
  X(bool, SetTrackAllMuteOFF, (ReaProject * projID), "[KV:API]Set Track All Mute Off",                    \
    "Unmutes every track of the project (the master track keeps its state); always true.")                \
  X(bool, GetTrackItemSolo, (MediaTrack * track, bool* soloOut), "[KV:API]Get Track Item Solo",           \
    "Returns whether the track is soloed in any of the host's solo modes and writes the same; false "     \
    "with the out-value untouched for a null track or an unreadable value.")                              \
  X(bool, GetTrackIdSolo, (ReaProject * projID, int trackID, bool* soloOut), "[KV:API]Get Track Id Solo", \
    "As KV_GetTrackItemSolo for the track at trackID among all tracks; an index that names no track "     \
    "reads as not soloed (false).")                                                                       \
  X(bool, GetSelectedTrackIdSolo, (ReaProject * projID, int selectTrackID, bool* soloOut),                \
    "[KV:API]Get Select Track Id Solo",                                                                   \
    "As KV_GetTrackItemSolo for the selected track at selectTrackID; an index that names no track "       \
    "reads as not soloed (false).")                                                                       \
  X(bool, SetTrackItemSolo, (MediaTrack * track, bool setSolo), "[KV:API]Set Track Item Solo",            \
    "Solos (true) or unsolos (false) the track; returns the host's answer, false for a null track.")      \
  X(bool, SetTrackIdSolo, (ReaProject * projID, int trackID, bool setSolo), "[KV:API]Set Track Id Solo",  \
    "Solos or unsolos the track at trackID among all tracks; returns the host's answer, false when "      \
    "the index names no track.")                                                                          \
  X(bool, SetSelectedTrackIdSolo, (ReaProject * projID, int selectTrackID, bool setSolo),                 \
    "[KV:API]Set Select Track Id Solo",                                                                   \
    "Solos or unsolos the selected track at selectTrackID; returns the host's answer, false when the "    \
    "index names no track.")                                                                              \
  X(bool, SetTrackAllSoloOFF, (ReaProject * projID), "[KV:API]Set Track All Solo Off",                    \
    "Unsolos every track of the project; always true.")

namespace KV_COBALT {
KV_TRACK_SWITCH_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
