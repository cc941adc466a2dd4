#include "project.hpp"

#include <algorithm>
#include <climits>
#include <memory>
#include <type_traits>
#include <unordered_map>
#include <vector>

namespace kvhost::model {
namespace {

// The object at a script's index into one of the project's lists, or null out of range.
template <class Pointer>
auto* at_or_null(const std::vector<Pointer>& list, int index) {
  using object = std::remove_pointer_t<decltype(std::to_address(list.front()))>;
  if (index < 0 || index >= static_cast<int>(list.size())) return static_cast<object*>(nullptr);
  return std::to_address(list[static_cast<std::size_t>(index)]);
}

}  // namespace

project::project(const std::string& label) : path(label), master_(*this, true) {}

track* project::track_at(int index) { return at_or_null(tracks_, index); }

track& project::insert_track(int index) {
  const int position = std::clamp(index, 0, track_count());
  auto& inserted = **tracks_.insert(tracks_.begin() + position, std::make_unique<track>(*this, false));
  inserted.index = position;  // right at once; later tracks are caught by index_of's check
  layout_valid_ = false;
  item_order_valid_ = false;
  return inserted;
}

std::unique_ptr<track> project::remove_track(track& removed) {
  // A plain search, not a layout pass: deleting many tracks in a row stays cheap.
  auto position =
      track_at(removed.index) == &removed
          ? tracks_.begin() + removed.index
          : std::find_if(tracks_.begin(), tracks_.end(), [&](const auto& member) { return member.get() == &removed; });
  if (position == tracks_.end()) return nullptr;
  if (removed.selected) selection_valid_ = false;
  layout_valid_ = false;
  if (!removed.items.empty()) item_order_valid_ = false;
  auto released = std::move(*position);
  tracks_.erase(position);
  return released;
}

int project::index_of(track& member) {
  if (member.master) return -1;
  // A cached index that still points back at the track is right even while
  // other parts of the layout are stale.
  if (track_at(member.index) != &member) refresh_layout();
  return member.index;
}

int project::depth_of(track& member) {
  if (member.master) return 0;
  refresh_layout();
  return member.depth;
}

track* project::parent_of(track& member) {
  if (member.master) return nullptr;
  refresh_layout();
  return member.parent;
}

void project::set_folder_depth(track& member, int folder_depth) {
  if (member.folder_depth == folder_depth) return;
  member.folder_depth = folder_depth;
  layout_valid_ = false;
}

void project::refresh_layout() {
  if (layout_valid_) return;
  // Latest track seen at each depth: a track's parent is the latest one
  // level up. Depths may jump by any folder depth, hence a map.
  std::unordered_map<int, track*> latest_at_depth;
  long long depth = 0;
  for (std::size_t i = 0; i < tracks_.size(); ++i) {
    track& current = *tracks_[i];
    current.index = static_cast<int>(i);
    current.depth = static_cast<int>(depth);
    const auto parent = latest_at_depth.find(current.depth - 1);
    current.parent = parent == latest_at_depth.end() ? nullptr : parent->second;
    latest_at_depth[current.depth] = &current;
    depth = std::clamp<long long>(depth + current.folder_depth, 0, INT_MAX);
  }
  layout_valid_ = true;
}

void project::set_selected(track& member, bool selected) {
  if (member.selected == selected) return;
  member.selected = selected;
  if (!member.master) selection_valid_ = false;
}

void project::select_only(track& member) {
  refresh_selection();
  for (track* other : selected_) other->selected = false;
  master_.selected = false;
  member.selected = true;
  selected_.clear();
  if (!member.master) selected_.push_back(&member);
}

int project::selected_count(bool with_master) {
  refresh_selection();
  return static_cast<int>(selected_.size()) + (with_master && master_.selected ? 1 : 0);
}

track* project::selected_at(int index) {
  refresh_selection();
  return at_or_null(selected_, index);
}

void project::refresh_selection() {
  if (selection_valid_) return;
  selected_.clear();
  for (const auto& member : tracks_)
    if (member->selected) selected_.push_back(member.get());
  selection_valid_ = true;
}

item& project::add_item(track& owner_track) {
  item_order_valid_ = false;
  return *owner_track.items.emplace_back(std::make_unique<item>(owner_track));
}

void project::remove_item(item& removed) {
  auto& items = removed.owner->items;
  const auto found =
      std::find_if(items.begin(), items.end(), [&](const auto& member) { return member.get() == &removed; });
  if (found == items.end()) return;
  item_order_valid_ = false;
  items.erase(found);
}

void project::set_item_selected(item& member, bool selected) {
  if (member.selected == selected) return;
  member.selected = selected;
  if (!item_order_valid_) return;  // counted again with the new order
  const int change = selected ? 1 : -1;
  selected_item_count_ += change;
  if (member.order < walk_at_) selected_before_walk_ += change;
}

void project::select_all_items(bool selected) {
  refresh_items();
  for (item* member : items_) member->selected = selected;
  selected_item_count_ = selected ? item_count() : 0;
  walk_at_ = 0;
  selected_before_walk_ = 0;
}

int project::item_count() {
  refresh_items();
  return static_cast<int>(items_.size());
}

item* project::item_at(int index) {
  refresh_items();
  return at_or_null(items_, index);
}

item* project::track_item_at(track& owner_track, int index) {
  refresh_items();
  return at_or_null(owner_track.items, index);
}

int project::selected_item_count() {
  refresh_items();
  return selected_item_count_;
}

item* project::selected_item_at(int index) {
  refresh_items();
  if (index < 0 || index >= selected_item_count_) return nullptr;
  // Back to the selected item before the wanted one at most, then forward.
  while (selected_before_walk_ > index)
    if (items_[--walk_at_]->selected) --selected_before_walk_;
  for (;; ++walk_at_) {
    item* member = items_[walk_at_];
    if (!member->selected) continue;
    if (selected_before_walk_ == index) return member;
    ++selected_before_walk_;
  }
}

std::vector<item*> project::selected_items() {
  refresh_items();
  std::vector<item*> selected;
  for (item* member : items_)
    if (member->selected) selected.push_back(member);
  return selected;
}

void project::refresh_items() {
  if (item_order_valid_) return;
  items_.clear();
  selected_item_count_ = 0;
  for (const auto& owner_track : tracks_) {
    auto& items = owner_track->items;
    // Stable: items at one position stay in the order they arrived.
    std::stable_sort(items.begin(), items.end(),
                     [](const auto& a, const auto& b) { return a->position < b->position; });
    for (const auto& member : items) {
      member->order = items_.size();
      items_.push_back(member.get());
      if (member->selected) ++selected_item_count_;
    }
  }
  walk_at_ = 0;
  selected_before_walk_ = 0;
  item_order_valid_ = true;
}

}  // namespace kvhost::model
