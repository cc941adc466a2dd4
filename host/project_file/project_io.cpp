#include "project_io.hpp"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "reader.hpp"
#include "undo.hpp"
#include "writer.hpp"

namespace kvhost::project_file {

std::string load_project(model::project& target, const std::string& path, std::vector<std::string>& notices) {
  std::ifstream in(path, std::ios::binary);
  std::error_code error;
  if (!in || std::filesystem::is_directory(path, error)) return path + ": cannot read: " + std::strerror(errno);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  const std::string absolute = std::filesystem::absolute(path, error).lexically_normal().string();
  const std::string folder = std::filesystem::path(absolute).parent_path().string();
  clear_project(target);
  target.undo = {};
  target.file = absolute;  // media are written relative to its folder
  std::vector<std::string> found;
  try {
    read_project(target, bytes.str(), {folder, &found});
  } catch (const parse_error& failure) {
    clear_project(target);
    target.file.clear();
    return path + ":" + std::to_string(failure.line_number) + ": " + failure.what();
  }
  for (const auto& notice : found) notices.push_back(path + ":" + notice);
  target.path.choose(folder);
  start_undo_history(target);
  return {};
}

std::string save_project(model::project& source, const std::string& path) {
  const std::string text = write_project(source);
  const std::filesystem::path target(path);
  std::filesystem::path temporary = target;
  temporary += ".kvhost-saving";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return path + ": cannot write: " + std::strerror(errno);
    out << text;
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return path + ": cannot write: " + std::strerror(errno);
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return path + ": cannot replace: " + error.message();
  }
  return {};
}

}  // namespace kvhost::project_file
