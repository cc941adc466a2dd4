// REAPER's item clipboard: copying the selected items and pasting them at the
// edit cursor.
#include <algorithm>
#include <memory>

#include "api/action_table.hpp"
#include "model/item_copy.hpp"
#include "model/run_stop.hpp"
#include "model/state.hpp"

namespace kvhost::api::actions {
using namespace kvhost::model;

// With nothing selected the clipboard stays as it was.
void copy_selected_items(project& owner) {
  const auto selected = owner.selected_items();
  if (selected.empty()) return;
  double earliest = selected.front()->position;
  int first_track = owner.index_of(*selected.front()->owner);
  for (item* member : selected) {
    earliest = std::min(earliest, member->position);
    first_track = std::min(first_track, owner.index_of(*member->owner));
  }
  auto clipboard = std::make_unique<project>("clipboard");
  for (item* member : selected) {
    const int shift = owner.index_of(*member->owner) - first_track;
    while (clipboard->track_count() <= shift) clipboard->insert_track(clipboard->track_count());
    item& copy = copy_item(*member, *clipboard->track_at(shift));
    copy.position -= earliest;
  }
  state().actions.clipboard = std::move(clipboard);
}

// Onto the first selected track (else the last touched one) and those below
// it, from the edit cursor; the pasted items alone are selected and the
// cursor moves to their end. Nothing happens with nothing copied or no track
// to paste on.
void paste_items(project& owner) {
  project* clipboard = state().actions.clipboard.get();
  track* first = owner.selected_at(0);
  if (!first && owner.last_touched && !owner.last_touched->master) first = owner.last_touched;
  if (!clipboard || !first) return;
  const int first_index = owner.index_of(*first);
  if (first_index + clipboard->track_count() > owner.track_count())
    stop_run(run_not_implemented, "kvhost does not simulate pasting items below the last track");
  if (state().actions.options.trim_behind_items)
    stop_run(run_not_implemented, "kvhost does not simulate trimming behind pasted items (option 41117 is on)");
  owner.select_all_items(false);
  double end = owner.cursor;
  for (int shift = 0; shift < clipboard->track_count(); ++shift) {
    track& from = *clipboard->track_at(shift);
    track& onto = *owner.track_at(first_index + shift);
    for (const auto& copied : from.items) {
      item& pasted = copy_item(*copied, onto);
      pasted.position += owner.cursor;
      owner.set_item_selected(pasted, true);
      end = std::max(end, pasted.position + pasted.length);
    }
  }
  owner.item_moved();
  owner.cursor = end;
}

}  // namespace kvhost::api::actions
