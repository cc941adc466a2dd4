#include "api/action_table.hpp"

namespace kvhost::api {

// Names as REAPER's action list gives them.
const std::map<int, action>& main_actions() {
  using namespace actions;
  static const std::map<int, action> table{
      {1007, {"Transport: Play", play}},
      {1016, {"Transport: Stop", stop}},
      {1068, {"Transport: Toggle repeat", toggle_repeat, repeat}},
      {1156, {"Options: Toggle item grouping override", toggle_item_grouping, item_grouping}},
      {40001, {"Track: Insert new track", insert_track}},
      {40005, {"Track: Remove tracks", remove_selected_tracks}},
      {40006, {"Item: Remove items", remove_selected_items}},
      {40012, {"Item: Split items at edit or play cursor", split_selected_items}},
      {40020, {"Time selection: Remove time selection and loop points", remove_time_selection_and_loop}},
      {40034, {"Item grouping: Select all items in groups", select_items_in_groups}},
      {40029, {"Edit: Undo", undo}},
      {40030, {"Edit: Redo", redo}},
      {40042, {"Transport: Go to start of project", cursor_to_start}},
      {40043, {"Transport: Go to end of project", cursor_to_end}},
      {40044, {"Transport: Play/stop", play_or_stop}},
      {40047, {"Peaks: Build any missing peaks", nothing}},
      {40131, {"Take: Crop to active take in items", crop_to_active_take}},
      {40153, {"Item: Open in built-in MIDI editor", nullptr}},
      {40182, {"Item: Select all items", select_all_items}},
      {40285, {"Track: Go to next track", go_to_next_track}},
      {40286, {"Track: Go to previous track", go_to_previous_track}},
      {40289, {"Item: Unselect all items", unselect_all_items}},
      {40290, {"Time selection: Set time selection to items", time_selection_to_items}},
      {40296, {"Track: Select all tracks", select_all_tracks}},
      {40297, {"Track: Unselect all tracks", unselect_all_tracks}},
      {40421, {"Item: Select all items in track", select_items_on_selected_tracks}},
      {40514, {"View: Move edit cursor to mouse cursor (no snapping)", nullptr}},
      {40621, {"Options: Loop points linked to time selection", toggle_loop_follows_selection, loop_follows_selection}},
      {40635, {"Time selection: Remove time selection", remove_time_selection}},
      {40693, {"Take: Toggle take volume envelope", toggle_take_volume_envelope}},
      {40698, {"Edit: Copy items", copy_selected_items}},
      {40769, {"Unselect all tracks/items/envelope points", unselect_everything}},
      {40913, {"Track: Vertical scroll selected tracks into view", nothing}},
      {40914, {"Track: Set first selected track as last touched track", touch_first_selected_track}},
      {41110, {"Track: Select track under mouse", nullptr}},
      {41117, {"Options: Toggle trim behind items when editing", toggle_trim_behind_items, trim_behind_items}},
      {41999, {"Item: Render items to new take", render_to_new_take}},
      {42398, {"Item: Paste items/tracks", paste_items}},
  };
  return table;
}

}  // namespace kvhost::api
