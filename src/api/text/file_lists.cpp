#include "api/text/file_lists.hpp"

#include <cstring>
#include <filesystem>

#include "api/text/folder_walk.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

constexpr char separator = static_cast<char>(std::filesystem::path::preferred_separator);

struct open_folder {
  folder_walk::folder_reader reader;
  std::string prefix;  // the folder's path and a separator, ready for names
};

std::string as_prefix(std::string folder) {
  if (!folder.empty() && folder.back() != '/' && folder.back() != separator) folder += separator;
  return folder;
}

// The extension as the standard library sees it: from the last dot on, where
// a leading dot (".hidden", ".", "..") starts no extension.
bool has_extension(const std::string& name, const std::string& wanted) {
  const char* dot = std::strrchr(name.c_str(), '.');
  return dot && dot != name.c_str() && kv_utility::Stricmp(dot, wanted.c_str());
}

}  // namespace

bool GetFilePathList(const std::string& directory, const std::string& extension, std::vector<std::string>& list) {
  const std::string root = kv_utility::utf8_to_multi(directory);
  std::error_code error;
  if (root.empty() || !std::filesystem::is_directory(kv_utility::path_from_utf8(root), error)) return false;
  const std::string wanted = "." + extension;
  // Depth first, each folder's entries in the order the system gives them;
  // a folder that cannot be opened or read further is passed over.
  std::vector<open_folder> open_folders;
  if (open_folder first; first.reader.open(root)) {
    first.prefix = as_prefix(root);
    open_folders.push_back(std::move(first));
  }
  std::string name;
  folder_walk::entry_kind kind;
  while (!open_folders.empty()) {
    if (!open_folders.back().reader.next(name, kind)) {
      open_folders.pop_back();
      continue;
    }
    std::string path = open_folders.back().prefix + name;
    if (has_extension(name, wanted)) list.push_back(kv_utility::multi_to_utf8(path));
    if (kind != folder_walk::entry_kind::folder) continue;
    if (open_folder next; next.reader.open(path)) {
      next.prefix = as_prefix(std::move(path));
      open_folders.push_back(std::move(next));
    }
  }
  return true;
}

}  // namespace KV_COBALT
