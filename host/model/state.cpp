#include "state.hpp"

#include <algorithm>

namespace kvhost::model {
namespace {

std::unique_ptr<host_state>& instance() {
  static std::unique_ptr<host_state> current;
  return current;
}

void retire_item(item& member) {
  member.alive.retire();
  for (const auto& part : member.takes) {
    part->alive.retire();
    if (part->audio) part->audio->alive.retire();
    for (const auto& curve : part->envelopes) curve->alive.retire();
  }
}

}  // namespace

host_state::host_state() { current = &add_project(); }

project& host_state::add_project() {
  auto& created = *projects.emplace_back(std::make_unique<project>("project"));
  live_tracks.insert(&created.master());
  return created;
}

track& host_state::insert_track(project& owner, int index) {
  track& inserted = owner.insert_track(index);
  live_tracks.insert(&inserted);
  return inserted;
}

void host_state::delete_track(track& removed) {
  if (removed.master) return;
  if (removed.owner->last_touched == &removed) removed.owner->last_touched = nullptr;
  live_tracks.erase(&removed);
  removed.owner->remove_track(removed);
}

void host_state::retire_track(track& removed) {
  if (removed.master) return;
  if (removed.owner->last_touched == &removed) removed.owner->last_touched = nullptr;
  live_tracks.erase(&removed);
  for (const auto& member : removed.items) retire_item(*member);
  if (auto kept = removed.owner->remove_track(removed)) retired_tracks.push_back(std::move(kept));
}

host_state& state() {
  auto& current = instance();
  if (!current) current = std::make_unique<host_state>();
  return *current;
}

void reset_state() { instance() = std::make_unique<host_state>(); }

project* find_project(ReaProject* handle) {
  auto& host = state();
  // Scripts pass -1 for the current project as often as 0.
  if (!handle || handle == reinterpret_cast<ReaProject*>(-1)) return host.current;
  const auto* wanted = reinterpret_cast<const project*>(handle);
  const auto found = std::find_if(host.projects.begin(), host.projects.end(),
                                  [&](const auto& candidate) { return candidate.get() == wanted; });
  return found == host.projects.end() ? nullptr : found->get();
}

track* find_track(MediaTrack* handle) {
  auto* wanted = reinterpret_cast<track*>(handle);
  return state().live_tracks.count(wanted) ? wanted : nullptr;
}

}  // namespace kvhost::model
