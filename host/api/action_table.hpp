#pragma once
// The main-section actions kvhost knows, by command ID: those it performs
// on the project, those that change nothing it keeps, and those it refuses.
#include <map>

#include "model/project.hpp"

namespace kvhost::api {

struct action {
  const char* name;
  void (*run)(model::project&);  // null: refused, the run stops
  int (*toggle)() = nullptr;     // null: no on/off state (-1)
};

const std::map<int, action>& main_actions();

// The handlers, each on the project the action runs in.
namespace actions {
void nothing(model::project&);
// Selection
void unselect_all_items(model::project&);
void select_all_items(model::project&);
void unselect_all_tracks(model::project&);
void select_all_tracks(model::project&);
void touch_first_selected_track(model::project&);
void select_items_in_groups(model::project&);
void select_items_on_selected_tracks(model::project&);
void unselect_everything(model::project&);
void go_to_next_track(model::project&);
void go_to_previous_track(model::project&);
// Editing
void insert_track(model::project&);
void remove_selected_tracks(model::project&);
void remove_selected_items(model::project&);
void split_selected_items(model::project&);
void crop_to_active_take(model::project&);
void toggle_take_volume_envelope(model::project&);
void render_to_new_take(model::project&);
void copy_selected_items(model::project&);
void paste_items(model::project&);
void undo(model::project&);
void redo(model::project&);
// Time, cursor and transport
void time_selection_to_items(model::project&);
void remove_time_selection(model::project&);
void remove_time_selection_and_loop(model::project&);
void cursor_to_start(model::project&);
void cursor_to_end(model::project&);
void play_or_stop(model::project&);
void play(model::project&);
void stop(model::project&);
// Options
void toggle_item_grouping(model::project&);
void toggle_trim_behind_items(model::project&);
void toggle_loop_follows_selection(model::project&);
void toggle_repeat(model::project&);
int item_grouping();
int trim_behind_items();
int loop_follows_selection();
int repeat();  // of the current project
}  // namespace actions

}  // namespace kvhost::api
