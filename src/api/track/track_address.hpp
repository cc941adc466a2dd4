#pragma once
// How operations reach a track: by handle, by index among all tracks, or by
// index among the selected tracks; and the helpers every track group shares.
#include <optional>

#include "entry/host_types.hpp"

namespace KV_COBALT::track_address {

// The project a track belongs to, from its "P_PROJECT"; null (the current
// project) for a null track, without asking the host.
ReaProject* project_of(MediaTrack* track);

// 0: index among all tracks, 1: index among the selected ones; any other
// type names no track.
MediaTrack* by_type(ReaProject* project, int index, int type);

// The track's position among all tracks of project, scanning from the start.
std::optional<int> index_in(ReaProject* project, MediaTrack* track);

// Inserts a default track at index (clamped by the host) into project itself.
// A host that can insert only into the current project is used only when
// project is the current one; otherwise nothing is inserted and the result is false.
bool insert_track(ReaProject* project, int index);

}  // namespace KV_COBALT::track_address
