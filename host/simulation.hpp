#pragma once
// Controls of the simulated host, for tests and the script runner: set up
// projects and folders, queue dialog answers, and read what the extension did.
#include <string>
#include <vector>

#include "host_types.hpp"
#include "model/records.hpp"

namespace kvhost {

// One empty current project, default folders; logs, queues and counters cleared.
// Every handle given out before becomes unknown.
void reset();

ReaProject* current_project();
ReaProject* create_project();  // empty, not current
bool set_current_project(ReaProject* project);
MediaTrack* master_track(ReaProject* project);  // null project: the current one

// Appends one track per entry to project (null: the current one) with that
// folder-depth change ("I_FOLDERDEPTH"); returns the new tracks in order.
std::vector<MediaTrack*> add_tracks(ReaProject* project, const std::vector<int>& folder_depths);

// An empty path restores the default, a temporary directory made on first use.
void set_resource_path(const std::string& path);
std::string resource_path();
bool set_project_path(ReaProject* project, const std::string& path);
std::string project_path(ReaProject* project);  // empty for an unknown project

// Answers given by the next dialogs, in order; when none is queued a message
// box answers its default (OK, or Cancel / No) and an input dialog cancels.
void queue_message_box_answer(int answer);
void queue_user_inputs_answer(bool ok, const std::string& csv);

const std::vector<dialog_record>& dialogs();
const std::vector<command_record>& commands();
int update_arrange_count();

}  // namespace kvhost
