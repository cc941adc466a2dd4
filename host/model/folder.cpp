#include "folder.hpp"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace kvhost::model {
namespace {

std::string make_temporary_directory(const std::string& label) {
  static int made_count = 0;
  std::error_code error;
  const auto base = std::filesystem::temp_directory_path(error);
  const auto name = "kvhost-" + std::to_string(getpid()) + "-" + label + "-" + std::to_string(++made_count);
  const auto path = (error ? std::filesystem::path("/tmp") : base) / name;
  std::filesystem::create_directories(path, error);
  return path.string();
}

}  // namespace

folder::folder(std::string label) : label_(std::move(label)) {}

folder::~folder() {
  if (made_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(made_, ignored);
}

const std::string& folder::path() {
  if (!chosen_.empty()) return chosen_;
  if (made_.empty()) made_ = make_temporary_directory(label_);
  return made_;
}

void folder::choose(std::string path) { chosen_ = std::move(path); }

}  // namespace kvhost::model
