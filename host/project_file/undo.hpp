#pragma once
// Undo points of a project: each keeps the project as its file would hold it
// right after the point; undo and redo read such a state back. The edit
// cursor is not part of a state. Tracks, items, takes and envelopes are read
// back as new objects: handles taken before an undo or redo are invalid after.
#include <string>

#include "model/project.hpp"

namespace kvhost::project_file {

// Forgets every point; the present state is where undo stops.
void start_undo_history(model::project& target);

// Blocks nest: only the outermost end makes the point.
void begin_undo_block(model::project& target);
void end_undo_block(model::project& target, const std::string& name);
// A point at once; a point made inside a block waits for the block's end.
void add_undo_point(model::project& target, const std::string& name);

bool undo(model::project& target);  // false when there is nothing to undo
bool redo(model::project& target);
// The name of the point undo would revert; null when there is none.
const char* undo_name(model::project& target);

// The point REAPER adds when a script ends without having deferred: named
// after the script's file, added only when the project changed since the
// latest point (or since the history started).
void add_script_undo_point(model::project& target, const std::string& script_path);

}  // namespace kvhost::project_file
