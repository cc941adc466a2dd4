#pragma once
// The project files of a run: the current project read from a file before
// the script, written after it, and the script's automatic undo point.
#include <string>

namespace kvhost {

// Reads the file as the current project; media it cannot find are noted on
// stderr and loaded offline. Returns "" or "PATH:LINE: expected ...".
std::string load_current_project(const std::string& path);
// Writes the current project; "" or the failure.
std::string save_current_project(const std::string& path);
// For a script that ended without deferring: REAPER's automatic undo point.
void add_script_undo_point(const std::string& script_path);

}  // namespace kvhost
