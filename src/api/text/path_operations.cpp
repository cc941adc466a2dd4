#include "api/text/path_operations.hpp"

#include <array>
#include <optional>
#include <string>

#include "api/text/file_names.hpp"
#include "api/text/folder_paths.hpp"
#include "api/text/local_clock.hpp"
#include "entry/host_import.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

constexpr const char* record_path_key = "RECORD_PATH";
// Room for whatever the host writes into a path buffer.
constexpr int host_path_size = 4096;
// A replaced recording folder is stored from a buffer of this size.
constexpr int stored_path_size = 1024;

std::optional<std::string> read_record_path(ReaProject* project) {
  std::array<char, host_path_size> buffer{};
  if (!host::GetSetProjectInfo_String(project, record_path_key, buffer.data(), false)) return std::nullopt;
  buffer.back() = '\0';
  return std::string(buffer.data());
}

bool write_record_path(ReaProject* project, std::string path) {
  return host::GetSetProjectInfo_String(project, record_path_key, path.data(), true);
}

// The text as a caller's buffer of the given capacity would hold it.
std::string as_buffer_holds(const std::string& text, int capacity) {
  return text.substr(0, static_cast<std::size_t>(capacity - 1));
}

struct made_folder {
  std::string full;
  std::string added;
};

std::optional<made_folder> make_dated_folder(const std::string& base, const std::string& name, int timeType) {
  // An empty base would put the folder at the file-system root.
  if (base.empty()) return std::nullopt;
  auto dated = folder_paths::dated_name(name, timeType, local_clock::now());
  // Names as the file system stores them: the paths given back are the folder made.
  const auto stored = [](const std::string& path) -> std::optional<std::string> {
    const auto name = file_names::stored(kv_utility::path_from_utf8(path));
    if (!name) return std::nullopt;
    return kv_utility::utf8_from_path(*name);
  };
  const auto full = stored(dated ? folder_paths::join(base, *dated) : base);
  const auto added = dated ? stored(*dated) : name;
  if (!full || !added || !folder_paths::make_folder(*full)) return std::nullopt;
  return made_folder{*full, *added};
}

bool make_folder_in(const std::string& base, const char* folderName, int timeType, char* fullPathOut,
                    int fullPathOut_sz, char* addPathOut, int addPathOut_sz) {
  auto made = make_dated_folder(base, folderName, timeType);
  if (!made) return false;
  kv_utility::strcpy(addPathOut, addPathOut_sz, made->added);
  kv_utility::strcpy(fullPathOut, fullPathOut_sz, made->full);
  return true;
}

}  // namespace

bool SetProjectInfoRecPath(ReaProject* projID, const char* path, char* beforePathOut, int beforePathOut_sz) {
  auto before = read_record_path(projID);
  if (!before) return false;
  kv_utility::strcpy(beforePathOut, beforePathOut_sz, *before);
  return write_record_path(projID, as_buffer_holds(path, stored_path_size));
}

bool SetProjectInfoRecAddPath(ReaProject* projID, const char* path, char* beforePathOut, int beforePathOut_sz,
                              char* afterPathOut, int afterPathOut_sz) {
  auto before = read_record_path(projID);
  if (!before) return false;
  kv_utility::strcpy(beforePathOut, beforePathOut_sz, *before);
  // An empty setting means the project folder; a leading separator would
  // send recordings to the file-system root instead.
  std::string after = before->empty() ? std::string(path) : folder_paths::join(*before, path);
  kv_utility::strcpy(afterPathOut, afterPathOut_sz, after);
  // The setting is what the caller receives; without a buffer, the whole path.
  return write_record_path(projID, afterPathOut_sz > 0 ? as_buffer_holds(after, afterPathOut_sz) : after);
}

bool SetProjectPathFolder(const char* folderName, int timeType, char* fullPathOut, int fullPathOut_sz, char* addPathOut,
                          int addPathOut_sz) {
  std::array<char, host_path_size> project_path{};
  host::GetProjectPath(project_path.data(), host_path_size);
  project_path.back() = '\0';
  return make_folder_in(project_path.data(), folderName, timeType, fullPathOut, fullPathOut_sz, addPathOut,
                        addPathOut_sz);
}

bool SetResoucePathFolder(const char* folderName, int timeType, char* fullPathOut, int fullPathOut_sz, char* addPathOut,
                          int addPathOut_sz) {
  const char* resource_path = host::GetResourcePath();
  return make_folder_in(resource_path ? resource_path : "", folderName, timeType, fullPathOut, fullPathOut_sz,
                        addPathOut, addPathOut_sz);
}

bool SetPathFolder(const char* folderPath, const char* folderName, int timeType, char* fullPathOut,
                   int fullPathOut_sz) {
  return make_folder_in(folderPath, folderName, timeType, fullPathOut, fullPathOut_sz, nullptr, 0);
}

}  // namespace KV_COBALT
