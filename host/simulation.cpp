#include "simulation.hpp"

#include <cstdio>

#include "api/host_api.hpp"
#include "model/runner.hpp"
#include "model/state.hpp"
#include "project_file/current_project.hpp"

namespace kvhost {
using namespace kvhost::model;

void reset() {
  model::restart_guids();
  reset_state();
}

ReaProject* current_project() { return handle(state().current); }

ReaProject* create_project() { return handle(&state().add_project()); }

bool set_current_project(ReaProject* project) {
  auto* wanted = find_project(project);
  if (!project || !wanted) return false;
  state().current = wanted;
  return true;
}

MediaTrack* master_track(ReaProject* project) {
  auto* owner = find_project(project);
  return owner ? handle(&owner->master()) : nullptr;
}

std::vector<MediaTrack*> add_tracks(ReaProject* project, const std::vector<int>& folder_depths) {
  std::vector<MediaTrack*> added;
  auto* owner = find_project(project);
  if (!owner) return added;
  for (int folder_depth : folder_depths) {
    track& appended = state().insert_track(*owner, owner->track_count());
    owner->set_folder_depth(appended, folder_depth);
    added.push_back(handle(&appended));
  }
  return added;
}

PCM_source* create_source(int rate, int channels, std::vector<float> samples) {
  if (rate <= 0 || channels <= 0 || samples.size() % static_cast<std::size_t>(channels) != 0) return nullptr;
  auto audio = std::make_shared<sound>();
  audio->rate = rate;
  audio->channels = channels;
  audio->samples = std::move(samples);
  return handle(state().loose_sources.emplace_back(std::make_unique<source>(std::move(audio))).get());
}

MediaItem* add_item(MediaTrack* track, double position, double length, PCM_source* source) {
  auto* given = find_source(source);
  if (!given || given->owner) return nullptr;
  MediaItem* made = api::AddMediaItemToTrack(track);
  if (!made) return nullptr;
  api::SetMediaItemTake_Source(api::AddTakeToMediaItem(made), source);
  api::SetMediaItemInfo_Value(made, "D_POSITION", position);
  api::SetMediaItemInfo_Value(made, "D_LENGTH", length);
  return made;
}

TrackEnvelope* add_take_envelope(MediaItem_Take* take, const std::string& name) {
  auto* member = find_take(take);
  if (!member || member->find_envelope(name)) return nullptr;
  return handle(&member->add_envelope(name));
}

const std::string& console() { return state().console; }

void set_resource_path(const std::string& path) { state().resource_path.choose(path); }

std::string resource_path() { return api::GetResourcePath(); }

bool set_project_path(ReaProject* project, const std::string& path) {
  auto* owner = find_project(project);
  if (!owner) return false;
  owner->path.choose(path);
  return true;
}

std::string project_path(ReaProject* project) {
  auto* owner = find_project(project);
  return owner ? owner->path.path() : std::string();
}

void queue_message_box_answer(int answer) { state().message_box_answers.push_back(answer); }

void queue_user_inputs_answer(bool ok, const std::string& csv) { state().user_inputs_answers.push_back({ok, csv}); }

void script_finished(bool deferred) { runner().deferred = deferred; }

namespace {
struct run_ending {
  std::string script, save_path;
};
run_ending& ending() {
  static run_ending wanted;
  return wanted;
}
}  // namespace

void set_run_ending(const std::string& script, const std::string& save_path) { ending() = {script, save_path}; }

int finish_run(int status) {
  if (status != 0) return status;
  if (!runner().deferred) add_script_undo_point(ending().script);
  if (ending().save_path.empty()) return status;
  const std::string failure = save_current_project(ending().save_path);
  if (failure.empty()) return status;
  std::fflush(stdout);
  std::fprintf(stderr, "kvhost: %s\n", failure.c_str());
  return 2;
}

const std::vector<dialog_record>& dialogs() { return state().dialogs; }

const std::vector<command_record>& commands() { return state().commands; }

int update_arrange_count() { return state().update_arrange_count; }

}  // namespace kvhost
