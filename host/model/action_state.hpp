#pragma once
// What running actions keeps between calls: the global options that actions
// toggle, the on/off states of script actions, and REAPER's item clipboard.
#include <map>
#include <memory>
#include <utility>

#include "project.hpp"

namespace kvhost::model {

struct options {
  bool item_grouping = true;            // 1156
  bool trim_behind_items = false;       // 41117
  bool loop_follows_selection = false;  // 40621: loop points linked to the time selection
};

struct action_state {
  model::options options;
  std::map<std::pair<int, int>, int> toggles;  // (section, command) -> state, script actions only
  // Copied items on the tracks of a project of no one's: track k holds those
  // k tracks below the first copied item's track, at positions from the
  // earliest copied start. Null: nothing copied.
  std::unique_ptr<project> clipboard;
};

}  // namespace kvhost::model

namespace kvhost::model {

// For tests that call every function with any command ID: an action kvhost
// does not simulate then does nothing instead of stopping the run. Kept
// across resets.
bool& unsimulated_actions_ignored();

}  // namespace kvhost::model
