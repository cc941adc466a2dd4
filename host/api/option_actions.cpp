// Actions that switch an option, each with its on/off state: global ones, and
// the project's repeat.
#include "api/action_table.hpp"
#include "model/state.hpp"

namespace kvhost::api::actions {
using namespace kvhost::model;

void toggle_item_grouping(project&) { state().actions.options.item_grouping ^= true; }

void toggle_trim_behind_items(project&) { state().actions.options.trim_behind_items ^= true; }

void toggle_loop_follows_selection(project&) { state().actions.options.loop_follows_selection ^= true; }

void toggle_repeat(project& owner) { owner.loop = !owner.loop; }

int item_grouping() { return state().actions.options.item_grouping ? 1 : 0; }

int trim_behind_items() { return state().actions.options.trim_behind_items ? 1 : 0; }

int loop_follows_selection() { return state().actions.options.loop_follows_selection ? 1 : 0; }

int repeat() { return state().current->loop ? 1 : 0; }

}  // namespace kvhost::api::actions
