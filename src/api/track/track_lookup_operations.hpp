#pragma once
// Finding, locating, counting and deleting tracks.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text, what it does and returns on failure)
#define KV_TRACK_LOOKUP_OPERATIONS(X)                                                             \
  X(MediaTrack*, GetTrackItemSelect, (ReaProject * projID, int trackID, int trackType),           \
    "[KV:API]Get track item select",                                                              \
    "Returns the track at trackID among all tracks (trackType 0) or among the selected tracks "   \
    "(trackType 1); null for another trackType or an index that names no track.")                 \
  X(MediaTrack*, GetSelectedTrackFirstInfo, (ReaProject * projID, int* trackIdOut),               \
    "[KV:API]Get select track first info",                                                        \
    "Returns the first selected track and writes its index among all tracks; null, with nothing " \
    "written, when no track is selected.")

#define KV_TRACK_INDEX_OPERATIONS(X)                                                                                  \
  X(bool, GetTrackItemIndex, (MediaTrack * track, int* trackIdOut), "[KV:API]Get Track Item Index",                   \
    "Writes the track's index among all tracks of its project and returns true; writes 0 and returns "                \
    "false when the track is in no project's list (the master track, a deleted track).")                              \
  X(bool, GetTrackCountSelect, (ReaProject * projID, int trackType, int* countOut), "[KV:API]Get track count select", \
    "Writes the number of tracks (trackType 0) or of selected tracks, the master included when "                      \
    "selected (trackType 1); 0 for another trackType. False only without an out-value.")

#define KV_TRACK_DELETE_OPERATIONS(X)                                                                              \
  X(bool, DeleteTrackIdSelect, (ReaProject * projID, int trackID, int trackType), "[KV:API]Delete trackID Select", \
    "Deletes the track at trackID among all tracks (trackType 0) or among the selected tracks "                    \
    "(trackType 1); false, nothing deleted, for another trackType or an index that names no track.")

namespace KV_COBALT {
KV_TRACK_LOOKUP_OPERATIONS(KV_DECLARE_OPERATION)
KV_TRACK_INDEX_OPERATIONS(KV_DECLARE_OPERATION)
KV_TRACK_DELETE_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
