#pragma once
// The one simulated host of the process. Handles given out are addresses of
// model objects; they are checked against the live objects before any use, so
// a null, foreign or deleted handle is simply not found.
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "action_state.hpp"
#include "ext_state.hpp"
#include "host_types.hpp"
#include "media_handles.hpp"
#include "project.hpp"
#include "records.hpp"

namespace kvhost::model {

struct user_inputs_answer {
  bool ok = false;
  std::string csv;
};

struct host_state {
  host_state();  // with one empty current project

  project& add_project();
  track& insert_track(project& owner, int index);
  void delete_track(track& removed);  // the master stays
  // Removes it as delete_track does but keeps its memory, with its items,
  // takes, sources and envelopes, until the host is reset: handles kept from
  // before an undo or a reload never match the objects read in their place.
  void retire_track(track& removed);

  std::vector<std::unique_ptr<project>> projects;
  project* current = nullptr;
  std::unordered_set<const track*> live_tracks;
  folder resource_path{"resource"};
  std::deque<int> message_box_answers;
  std::deque<user_inputs_answer> user_inputs_answers;
  std::vector<dialog_record> dialogs;
  std::vector<command_record> commands;
  std::string console;  // every text ShowConsoleMsg showed
  // Objects scripts hold until they hand them over or destroy them.
  std::vector<std::unique_ptr<source>> loose_sources;
  std::vector<std::unique_ptr<envelope_copy>> envelope_copies;
  std::vector<std::unique_ptr<audio_accessor>> accessors;
  int update_arrange_count = 0;
  ext_state_store ext_state;
  action_state actions;
  std::vector<std::unique_ptr<track>> retired_tracks;
};

host_state& state();
void reset_state();

project* find_project(ReaProject* handle);  // null or -1: the current project
track* find_track(MediaTrack* handle);

// Takes the object out of its owning list; null when it is not there.
template <class T>
std::unique_ptr<T> release_from(std::vector<std::unique_ptr<T>>& owners, const T* wanted) {
  for (auto it = owners.begin(); it != owners.end(); ++it) {
    if (it->get() != wanted) continue;
    auto released = std::move(*it);
    owners.erase(it);
    return released;
  }
  return nullptr;
}

// The project that holds the item.
inline project& owner_project(item& member) { return *member.owner->owner; }

// A handle as the number "P_PROJECT" and "P_ITEM" report.
inline double handle_number(const void* handle) {
  return static_cast<double>(reinterpret_cast<std::uintptr_t>(handle));
}

inline ReaProject* handle(project* object) { return reinterpret_cast<ReaProject*>(object); }
inline MediaTrack* handle(track* object) { return reinterpret_cast<MediaTrack*>(object); }

}  // namespace kvhost::model
