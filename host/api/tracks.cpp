// Track list, selection and folder structure.
#include <string>

#include "api/host_api.hpp"
#include "model/state.hpp"
#include "model/text.hpp"

namespace kvhost::api {
using namespace kvhost::model;

int CountTracks(ReaProject* projOptional) {
  auto* owner = find_project(projOptional);
  return owner ? owner->track_count() : 0;
}

MediaTrack* GetTrack(ReaProject* proj, int trackidx) {
  auto* owner = find_project(proj);
  return owner ? handle(owner->track_at(trackidx)) : nullptr;
}

int CountSelectedTracks2(ReaProject* proj, bool wantmaster) {
  auto* owner = find_project(proj);
  return owner ? owner->selected_count(wantmaster) : 0;
}

MediaTrack* GetSelectedTrack(ReaProject* proj, int seltrackidx) {
  auto* owner = find_project(proj);
  return owner ? handle(owner->selected_at(seltrackidx)) : nullptr;
}

MediaTrack* GetParentTrack(MediaTrack* track) {
  auto* member = find_track(track);
  return member ? handle(member->owner->parent_of(*member)) : nullptr;
}

int GetTrackDepth(MediaTrack* track) {
  auto* member = find_track(track);
  return member ? member->owner->depth_of(*member) : 0;
}

bool GetTrackName(MediaTrack* track, char* bufOut, int bufOut_sz) {
  auto* member = find_track(track);
  if (!member) return false;
  if (member->master)
    copy_text("MASTER", bufOut, bufOut_sz);
  else if (member->name.empty())
    copy_text("Track " + std::to_string(member->owner->index_of(*member) + 1), bufOut, bufOut_sz);
  else
    copy_text(member->name, bufOut, bufOut_sz);
  return true;
}

void InsertTrackAtIndex(int idx, bool) { state().insert_track(*state().current, idx); }

void InsertTrackInProject(ReaProject* proj, int idx, int) {
  if (auto* owner = find_project(proj)) state().insert_track(*owner, idx);
}

void DeleteTrack(MediaTrack* tr) {
  if (auto* member = find_track(tr)) state().delete_track(*member);
}

void SetTrackSelected(MediaTrack* track, bool selected) {
  if (auto* member = find_track(track)) member->owner->set_selected(*member, selected);
}

void SetOnlyTrackSelected(MediaTrack* track) {
  if (auto* member = find_track(track)) member->owner->select_only(*member);
}

}  // namespace kvhost::api
