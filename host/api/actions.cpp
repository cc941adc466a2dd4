// Actions on the selected items, and screen refresh; commands are logged
// with the item selection they ran on, for tests to inspect.
#include <filesystem>

#include "api/host_api.hpp"
#include "api/simulated_actions.hpp"
#include "model/render.hpp"
#include "model/state.hpp"

namespace kvhost::api {
using namespace kvhost::model;
namespace {

constexpr int crop_to_active_take = 40131;
constexpr int toggle_take_volume_envelope = 40693;
constexpr int render_to_new_take = 41999;

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

bool simulates_action(int command) {
  return command == crop_to_active_take || command == toggle_take_volume_envelope || command == render_to_new_take;
}

void Main_OnCommandEx(int command, int flag, ReaProject* proj) {
  auto* owner = find_project(proj);
  if (!owner) return;
  const auto selected = owner->selected_items();
  auto& record = state().commands.emplace_back(command_record{command, flag, handle(owner), {}});
  for (item* member : selected) record.selected_items.push_back(handle(member));
  if (run_undo_action(command, proj)) return;
  for (item* member : selected) {
    if (command == crop_to_active_take) crop(*member);
    if (command == render_to_new_take) render(*member);
    if (command == toggle_take_volume_envelope) toggle_volume_envelope(*member);
  }
}

void UpdateArrange() { ++state().update_arrange_count; }

}  // namespace kvhost::api
