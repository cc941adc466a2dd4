#pragma once
// Lists of tracks for the script bindings, in track-list order. Each builder
// appends to the list it is given (GetTrackItemList makes it the whole list).
#include <string>
#include <vector>

#include "entry/host_types.hpp"
#include "object/track_detail.hpp"

namespace KV_COBALT {

using track_list = std::vector<MediaTrack*>;
using track_detail_list = std::vector<kv_object::TrackDetail>;

bool GetTrackItemList(ReaProject* project, track_list& list);

// Direct children only; a null parent stands for the top level. count is the
// list's size afterwards.
bool GetTrackItemChildList(MediaTrack* track, track_list& list, int& count);
bool GetTrackIdChildList(ReaProject* project, int index, track_list& list, int& count);
// True when the list holds anything afterwards.
bool GetSelectedTrackIdChildList(ReaProject* project, int index, track_list& list);

// One row per track with "Track" and "Depth"; true when there is a track.
bool GetTrackDepthList(ReaProject* project, track_detail_list& list);
// Rows with "Track" and "Index" for every track named exactly name; true when any.
bool GetSamePerfectTrackNameList(ReaProject* project, std::string name, track_detail_list& list);
// Rows with "Track" and "Index" for every track whose name contains text,
// ASCII letters in any case; true when any.
bool GetIncludePerfectTrackNameList(ReaProject* project, std::string text, track_detail_list& list);

}  // namespace KV_COBALT
