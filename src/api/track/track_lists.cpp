#include "api/track/track_lists.hpp"

#include <utility>

#include "api/text/string_operations.hpp"
#include "api/track/track_address.hpp"
#include "api/track/track_name_operations.hpp"
#include "entry/host_import.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

void append_children(ReaProject* project, MediaTrack* parent, track_list& list) {
  const int count = host::CountTracks(project);
  for (int i = 0; i < count; ++i) {
    MediaTrack* track = host::GetTrack(project, i);
    if (host::GetParentTrack(track) == parent) list.push_back(track);
  }
}

bool append_child_count(ReaProject* project, MediaTrack* parent, track_list& list, int& count) {
  append_children(project, parent, list);
  count = static_cast<int>(list.size());
  return true;
}

// Appends a row with "Track" and "Index" for every track whose name passes
// the test; true when any was appended.
template <class NameTest>
bool append_named(ReaProject* project, NameTest&& passes, track_detail_list& list) {
  const int count = host::CountTracks(project);
  bool any = false;
  for (int i = 0; i < count; ++i) {
    MediaTrack* track = host::GetTrack(project, i);
    if (!passes(read_track_name(track))) continue;
    kv_object::TrackDetail row;
    row.fields().Track.fill(track);
    row.fields().Index.fill(i);
    list.push_back(std::move(row));
    any = true;
  }
  return any;
}

}  // namespace

bool GetTrackItemList(ReaProject* project, track_list& list) {
  const int count = host::CountTracks(project);
  list.resize(static_cast<std::size_t>(count > 0 ? count : 0));
  for (int i = 0; i < count; ++i) list[static_cast<std::size_t>(i)] = host::GetTrack(project, i);
  return true;
}

bool GetTrackItemChildList(MediaTrack* track, track_list& list, int& count) {
  return append_child_count(track_address::project_of(track), track, list, count);
}

bool GetTrackIdChildList(ReaProject* project, int index, track_list& list, int& count) {
  return append_child_count(project, host::GetTrack(project, index), list, count);
}

bool GetSelectedTrackIdChildList(ReaProject* project, int index, track_list& list) {
  append_children(project, host::GetSelectedTrack(project, index), list);
  return !list.empty();
}

bool GetTrackDepthList(ReaProject* project, track_detail_list& list) {
  const int count = host::CountTracks(project);
  list.reserve(list.size() + static_cast<std::size_t>(count > 0 ? count : 0));
  for (int i = 0; i < count; ++i) {
    kv_object::TrackDetail row;
    MediaTrack* track = host::GetTrack(project, i);
    row.fields().Track.fill(track);
    row.fields().Depth.fill(host::GetTrackDepth(track));
    list.push_back(std::move(row));
  }
  return count > 0;
}

bool GetSamePerfectTrackNameList(ReaProject* project, std::string name, track_detail_list& list) {
  return append_named(
      project, [&](const std::string& track_name) { return track_name == name; }, list);
}

bool GetIncludePerfectTrackNameList(ReaProject* project, std::string text, track_detail_list& list) {
  char part[1024];  // at most 1023 bytes of the text take part
  kv_utility::strcpy(part, sizeof part, text);
  return append_named(
      project,
      [&](const std::string& track_name) {
        bool contained = false;
        CheckIncludeString(track_name.c_str(), part, &contained);
        return contained;
      },
      list);
}

}  // namespace KV_COBALT
