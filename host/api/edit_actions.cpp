// Actions that add, remove and change tracks, items and takes.
#include <filesystem>

#include "api/action_table.hpp"
#include "model/item_copy.hpp"
#include "model/render.hpp"
#include "model/state.hpp"

namespace kvhost::api::actions {
using namespace kvhost::model;
namespace {

void crop(item& member) {
  if (!member.active) return;
  for (std::size_t i = member.takes.size(); i-- > 0;)
    if (member.takes[i].get() != member.active) member.remove_take(*member.takes[i]);
}

// The rendered take joins the item as its active take, playing the new file.
void render(item& member) {
  take* played = member.active;
  if (!played || !played->audio) return;
  const std::string path = render_take(*played, owner_project(member).path.path());
  auto audio = path.empty() ? nullptr : read_sound_file(path);
  if (!audio) return;
  take& made = member.add_take();
  made.name = std::filesystem::path(path).stem().string();
  made.audio = std::make_unique<source>(std::move(audio), path);
  made.audio->owner = &made;
}

// Made active and visible with one point at unity when missing; otherwise
// shown and active when hidden, hidden and inactive when shown.
void toggle_volume_envelope(item& member) {
  if (!member.active) return;
  envelope* volume = member.active->find_envelope("Volume");
  if (!volume) {
    volume = &member.active->add_envelope("Volume");
    volume->points.push_back({0, 1});
    return;
  }
  const bool show = !volume->properties.visible;
  volume->properties.visible = show;
  volume->properties.active = show;
}

}  // namespace

// After the last touched track (at the end when none), alone selected and touched.
void insert_track(project& owner) {
  const int index =
      owner.last_touched && !owner.last_touched->master ? owner.index_of(*owner.last_touched) + 1 : owner.track_count();
  track& made = state().insert_track(owner, index);
  owner.select_only(made);
  owner.last_touched = &made;
}

void remove_selected_tracks(project& owner) {
  while (track* member = owner.selected_at(0)) state().delete_track(*member);
}

void remove_selected_items(project& owner) {
  for (item* member : owner.selected_items()) owner.remove_item(*member);
}

// Edit cursor and play cursor are one place in the host.
void split_selected_items(project& owner) {
  for (item* member : owner.selected_items()) split_item(*member, owner.cursor);
}

void crop_to_active_take(project& owner) {
  for (item* member : owner.selected_items()) crop(*member);
}

void toggle_take_volume_envelope(project& owner) {
  for (item* member : owner.selected_items()) toggle_volume_envelope(*member);
}

void render_to_new_take(project& owner) {
  for (item* member : owner.selected_items()) render(*member);
}

}  // namespace kvhost::api::actions
