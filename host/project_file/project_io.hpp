#pragma once
// Project files on disk: read one into a project, write a project out.
#include <string>
#include <vector>

#include "model/project.hpp"

namespace kvhost::project_file {

// Replaces the project with the file's (the project's file becomes path).
// Returns "" or "PATH:LINE: expected ..."; on failure the project is left
// empty. notices receives "PATH:LINE: ..." for media loaded offline.
std::string load_project(model::project& target, const std::string& path, std::vector<std::string>& notices);

// Writes the project to path through a temporary file in the same folder,
// so that a failed save leaves the old file. Returns "" or the failure.
std::string save_project(model::project& source, const std::string& path);

}  // namespace kvhost::project_file
