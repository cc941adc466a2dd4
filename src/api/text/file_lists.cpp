#include "api/text/file_lists.hpp"

#ifdef _WIN32
#include "utility/windows_api.hpp"
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

#include <cstring>
#include <filesystem>
#include <memory>

#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

#ifdef _WIN32
constexpr char separator = '\\';

struct folder_closer {
  void operator()(HANDLE stream) const { FindClose(stream); }
};

// Opening reads the first entry already; it waits in `found`.
struct folder_stream {
  std::unique_ptr<void, folder_closer> handle;
  WIN32_FIND_DATAW found{};
  bool pending = false;
};

bool open_stream(const std::string& folder, folder_stream& stream) {
  const std::wstring pattern = (kv_utility::path_from_utf8(folder) / L"*").wstring();
  HANDLE handle = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &stream.found, FindExSearchNameMatch, nullptr, 0);
  if (handle == INVALID_HANDLE_VALUE) return false;
  stream.handle.reset(handle);
  stream.pending = true;
  return true;
}

// Links (reparse points) are not followed.
bool next_entry(folder_stream& stream, const std::string& /*prefix*/, std::string& name, bool& folder) {
  if (!stream.pending && !FindNextFileW(stream.handle.get(), &stream.found)) return false;
  stream.pending = false;
  name = kv_utility::utf8_from_path(std::filesystem::path(stream.found.cFileName));
  const DWORD attributes = stream.found.dwFileAttributes;
  folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
  return true;
}
#else
constexpr char separator = '/';

struct folder_closer {
  void operator()(DIR* stream) const { closedir(stream); }
};

struct folder_stream {
  std::unique_ptr<DIR, folder_closer> handle;
};

bool open_stream(const std::string& folder, folder_stream& stream) {
  DIR* handle = opendir(folder.c_str());
  if (!handle) return false;
  stream.handle.reset(handle);
  return true;
}

// Links are not followed; a file system without entry types is asked.
bool next_entry(folder_stream& stream, const std::string& prefix, std::string& name, bool& folder) {
  const dirent* entry = readdir(stream.handle.get());
  if (!entry) return false;
  name = entry->d_name;
  struct stat status;
  folder = entry->d_type != DT_UNKNOWN ? entry->d_type == DT_DIR
                                       : lstat((prefix + name).c_str(), &status) == 0 && S_ISDIR(status.st_mode);
  return true;
}
#endif

struct open_folder {
  folder_stream stream;
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

bool is_dot_or_dot_dot(const std::string& name) { return name == "." || name == ".."; }

}  // namespace

bool GetFilePathList(const std::string& directory, const std::string& extension, std::vector<std::string>& list) {
  const std::string root = kv_utility::utf8_to_multi(directory);
  std::error_code error;
  if (root.empty() || !std::filesystem::is_directory(kv_utility::path_from_utf8(root), error)) return false;
  const std::string wanted = "." + extension;
  // Depth first, each folder's entries in the order the system gives them;
  // a folder that cannot be opened or read further is passed over.
  std::vector<open_folder> open_folders;
  if (open_folder first; open_stream(root, first.stream)) {
    first.prefix = as_prefix(root);
    open_folders.push_back(std::move(first));
  }
  std::string name;
  bool folder = false;
  while (!open_folders.empty()) {
    if (!next_entry(open_folders.back().stream, open_folders.back().prefix, name, folder)) {
      open_folders.pop_back();
      continue;
    }
    if (is_dot_or_dot_dot(name)) continue;
    std::string path = open_folders.back().prefix + name;
    if (has_extension(name, wanted)) list.push_back(kv_utility::multi_to_utf8(path));
    if (!folder) continue;
    if (open_folder next; open_stream(path, next.stream)) {
      next.prefix = as_prefix(std::move(path));
      open_folders.push_back(std::move(next));
    }
  }
  return true;
}

}  // namespace KV_COBALT
