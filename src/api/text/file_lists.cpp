#include "api/text/file_lists.hpp"

#include <dirent.h>
#include <sys/stat.h>

#include <cstring>
#include <memory>

#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

struct folder_closer {
  void operator()(DIR* stream) const { closedir(stream); }
};

struct open_folder {
  std::unique_ptr<DIR, folder_closer> stream;
  std::string prefix;  // the folder's path and a separator, ready for names
};

std::string as_prefix(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

// The extension as the standard library sees it: from the last dot on, where
// a leading dot (".hidden", ".", "..") starts no extension.
bool has_extension(const char* name, const std::string& wanted) {
  const char* dot = std::strrchr(name, '.');
  return dot && dot != name && kv_utility::Stricmp(dot, wanted.c_str());
}

// Links are not followed; a file system without entry types is asked.
bool is_folder(const dirent& entry, const std::string& path) {
  if (entry.d_type != DT_UNKNOWN) return entry.d_type == DT_DIR;
  struct stat status;
  return lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool is_dot_or_dot_dot(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

}  // namespace

bool GetFilePathList(const std::string& directory, const std::string& extension, std::vector<std::string>& list) {
  const std::string root = kv_utility::utf8_to_multi(directory);
  struct stat status;
  if (root.empty() || stat(root.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) return false;
  const std::string wanted = "." + extension;
  // Depth first, each folder's entries in the order the system gives them;
  // a folder that cannot be opened or read further is passed over.
  std::vector<open_folder> open_folders;
  if (DIR* stream = opendir(root.c_str())) open_folders.push_back({{stream, {}}, as_prefix(root)});
  while (!open_folders.empty()) {
    const dirent* entry = readdir(open_folders.back().stream.get());
    if (!entry) {
      open_folders.pop_back();
      continue;
    }
    if (is_dot_or_dot_dot(entry->d_name)) continue;
    std::string path = open_folders.back().prefix + entry->d_name;
    if (has_extension(entry->d_name, wanted)) list.push_back(kv_utility::multi_to_utf8(path));
    if (!is_folder(*entry, path)) continue;
    if (DIR* stream = opendir(path.c_str())) open_folders.push_back({{stream, {}}, as_prefix(std::move(path))});
  }
  return true;
}

}  // namespace KV_COBALT
