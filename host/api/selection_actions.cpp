// Actions that select tracks and items.
#include <algorithm>
#include <set>

#include "api/action_table.hpp"
#include "model/state.hpp"

namespace kvhost::api::actions {
using namespace kvhost::model;
namespace {

void select_tracks(project& owner, bool selected) {
  for (int i = 0; track* member = owner.track_at(i); ++i) owner.set_selected(*member, selected);
}

// Selects only the track step places from the last touched one, kept within
// the track list, and touches it. With none touched, the first (or last) track.
void step_track(project& owner, int step) {
  const int count = owner.track_count();
  if (count == 0) return;
  int index = step > 0 ? 0 : count - 1;
  if (owner.last_touched && !owner.last_touched->master)
    index = std::clamp(owner.index_of(*owner.last_touched) + step, 0, count - 1);
  track& chosen = *owner.track_at(index);
  owner.select_only(chosen);
  owner.last_touched = &chosen;
}

}  // namespace

void nothing(project&) {}

void unselect_all_items(project& owner) { owner.select_all_items(false); }

void select_all_items(project& owner) { owner.select_all_items(true); }

// The master too.
void unselect_all_tracks(project& owner) {
  select_tracks(owner, false);
  owner.set_selected(owner.master(), false);
}

// Not the master.
void select_all_tracks(project& owner) { select_tracks(owner, true); }

void touch_first_selected_track(project& owner) {
  if (track* first = owner.selected_at(0)) owner.last_touched = first;
}

void select_items_in_groups(project& owner) {
  std::set<int> groups;
  for (item* member : owner.selected_items())
    if (member->group_id != 0) groups.insert(member->group_id);
  if (groups.empty()) return;
  for (int i = 0; item* member = owner.item_at(i); ++i)
    if (groups.count(member->group_id)) owner.set_item_selected(*member, true);
}

// Items elsewhere stay selected.
void select_items_on_selected_tracks(project& owner) {
  for (int i = 0; track* selected = owner.selected_at(i); ++i)
    for (int k = 0; item* member = owner.track_item_at(*selected, k); ++k) owner.set_item_selected(*member, true);
}

void unselect_everything(project& owner) {
  unselect_all_tracks(owner);
  for (int i = 0; item* member = owner.item_at(i); ++i) {
    owner.set_item_selected(*member, false);
    for (const auto& part : member->takes)
      for (const auto& shape : part->envelopes)
        for (auto& point : shape->points) point.selected = false;
  }
}

void go_to_next_track(project& owner) { step_track(owner, 1); }

void go_to_previous_track(project& owner) { step_track(owner, -1); }

}  // namespace kvhost::api::actions
