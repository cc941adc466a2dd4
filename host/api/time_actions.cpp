// Actions on the time selection, the edit cursor and the transport.
#include <algorithm>

#include "api/action_table.hpp"
#include "model/state.hpp"

namespace kvhost::api::actions {
using namespace kvhost::model;
namespace {

constexpr int playing = 1, paused = 2, recording = 4;

bool loop_follows() { return state().actions.options.loop_follows_selection; }

void set_time_selection(project& owner, project::time_range range) {
  owner.time_selection = range;
  if (loop_follows()) owner.loop_points = range;
}

// The end of the last item, marker or region.
double project_end(project& owner) {
  double end = 0;
  for (int i = 0; item* member = owner.item_at(i); ++i) end = std::max(end, member->position + member->length);
  for (int i = 0; const marker* entry = owner.markers.at(i); ++i) end = std::max({end, entry->position, entry->end});
  return end;
}

}  // namespace

// With no item selected, the time selection stays.
void time_selection_to_items(project& owner) {
  const auto selected = owner.selected_items();
  if (selected.empty()) return;
  project::time_range range{selected.front()->position, selected.front()->position + selected.front()->length};
  for (const item* member : selected) {
    range.start = std::min(range.start, member->position);
    range.end = std::max(range.end, member->position + member->length);
  }
  set_time_selection(owner, range);
}

void remove_time_selection(project& owner) { set_time_selection(owner, {}); }

void remove_time_selection_and_loop(project& owner) {
  owner.time_selection = {};
  owner.loop_points = {};
}

void cursor_to_start(project& owner) { owner.cursor = 0; }

void cursor_to_end(project& owner) { owner.cursor = project_end(owner); }

void play_or_stop(project& owner) { owner.play_state = owner.play_state & (playing | paused) ? 0 : playing; }

// Playing on: recording stays, a pause ends.
void play(project& owner) { owner.play_state = (owner.play_state & recording) | playing; }

void stop(project& owner) { owner.play_state = 0; }

}  // namespace kvhost::api::actions
