#pragma once
// Controls of the simulated host, for tests and the script runner: set up
// projects and folders, queue dialog answers, and read what the extension did.
#include <string>
#include <vector>

#include "host_types.hpp"
#include "model/media_handles.hpp"
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

// A source playing these samples (frames of interleaved channels), owned by
// the caller like one from PCM_Source_CreateFromFile; null when rate or
// channels is not positive or the samples are not whole frames.
PCM_source* create_source(int rate, int channels, std::vector<float> samples);
// A new item on track with one take playing the caller's source from its
// start; null when the track or source is unknown or the source is a take's.
MediaItem* add_item(MediaTrack* track, double position, double length, PCM_source* source);
// A take envelope such as "Pan" (active, visible, no points); null when the
// take is unknown or has an envelope of that name.
TrackEnvelope* add_take_envelope(MediaItem_Take* take, const std::string& name);

// An empty path restores the default, a temporary directory made on first use.
void set_resource_path(const std::string& path);
std::string resource_path();
bool set_project_path(ReaProject* project, const std::string& path);
std::string project_path(ReaProject* project);  // empty for an unknown project

// Answers given by the next dialogs, in order, before the answers file's;
// when none is left a message box answers its default (OK, or Cancel / No)
// and an input dialog cancels, except in a run of the kvhost command, which
// a dialog without an answer stops.
void queue_message_box_answer(int answer);
void queue_user_inputs_answer(bool ok, const std::string& csv);

// A script run ended; deferred says whether it called defer (or runloop).
// REAPER adds an undo point of its own for a script that did not.
void script_finished(bool deferred);

// The kvhost command's end of a run that succeeded, however it ended (its
// last cycle or os.exit): the automatic undo point for a script that did not
// defer, then the project saved where asked (empty: nowhere). Returns the
// run's exit status: status, or 2 when the save failed.
void set_run_ending(const std::string& script, const std::string& save_path);
int finish_run(int status);

const std::vector<dialog_record>& dialogs();
const std::vector<command_record>& commands();
// Every text shown in the console so far.
const std::string& console();
int update_arrange_count();

}  // namespace kvhost
