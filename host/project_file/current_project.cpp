#include "current_project.hpp"

#include <cstdio>
#include <exception>
#include <vector>

#include "model/state.hpp"
#include "project_io.hpp"
#include "undo.hpp"

namespace kvhost {

std::string load_current_project(const std::string& path) {
  std::vector<std::string> notices;
  std::string failure;
  try {
    failure = project_file::load_project(*model::state().current, path, notices);
  } catch (const std::exception& error) {
    failure = path + ": " + error.what();
  }
  for (const auto& notice : notices) std::fprintf(stderr, "kvhost: %s\n", notice.c_str());
  return failure;
}

std::string save_current_project(const std::string& path) {
  try {
    return project_file::save_project(*model::state().current, path);
  } catch (const std::exception& error) {
    return path + ": " + error.what();
  }
}

void add_script_undo_point(const std::string& script_path) {
  try {
    project_file::add_script_undo_point(*model::state().current, script_path);
  } catch (const std::exception&) {
    // A state that cannot be written has no point to add.
  }
}

}  // namespace kvhost
