#pragma once
// The model as project-file text. Lines the model holds are written from it
// in REAPER's order and formats; every other line of the file or chunk the
// model was read from comes back in place, and an unchanged line byte for byte.
#include <string>

#include "image.hpp"
#include "model/project.hpp"

namespace kvhost::project_file {

// The whole project, indented, with the file's own line endings.
std::string write_project(model::project& written);
// State chunks as the API gives them: unindented, lines ended by "\n".
std::string write_track_chunk(model::track& written);
std::string write_item_chunk(model::item& written);

// Notes in a freshly read image what the model holds of each of its lines,
// so that later writes can tell changed values from unchanged ones.
void record_baselines(model::project& read, image& fresh);
void record_baselines(model::item& read, image& fresh);

}  // namespace kvhost::project_file
