#include "api/text/file_lists.hpp"

#include <filesystem>
#include <system_error>

#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

namespace fs = std::filesystem;

bool should_descend(const fs::directory_entry& entry) {
  std::error_code error;
  if (entry.is_symlink(error) || error) return false;
  return entry.is_directory(error) && !error;
}

}  // namespace

bool GetFilePathList(const std::string& directory, const std::string& extension, std::vector<std::string>& list) {
  std::error_code error;
  const fs::path root(kv_utility::utf8_to_multi(directory));
  if (!fs::is_directory(root, error)) return false;
  const std::string wanted = "." + extension;
  // Depth first, each folder's entries in the order the system gives them.
  std::vector<fs::directory_iterator> open_folders;
  open_folders.emplace_back(root, error);
  if (error) return true;
  while (!open_folders.empty()) {
    fs::directory_iterator& at = open_folders.back();
    if (at == fs::directory_iterator()) {
      open_folders.pop_back();
      continue;
    }
    const fs::directory_entry& entry = *at;
    if (kv_utility::Stricmp(entry.path().extension().c_str(), wanted.c_str()))
      list.push_back(kv_utility::multi_to_utf8(entry.path().string()));
    fs::directory_iterator inner;
    if (should_descend(entry)) inner = fs::directory_iterator(entry.path(), error);
    if (error) error.clear();  // an unreadable folder is skipped
    at.increment(error);
    if (error) {
      error.clear();
      open_folders.pop_back();
    }
    if (inner != fs::directory_iterator()) open_folders.push_back(std::move(inner));
  }
  return true;
}

}  // namespace KV_COBALT
