#include "api/text/folder_walk.hpp"

#ifdef _WIN32
#include "utility/windows_api.hpp"
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

#include <cerrno>
#include <filesystem>

#include "utility/utility.hpp"

namespace KV_COBALT::folder_walk {

#ifdef _WIN32
// Opening reads the first entry already; it waits in `found`.
struct folder_reader::stream {
  HANDLE handle = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAW found{};
  bool pending = false;
  bool failed = false;
  ~stream() {
    if (handle != INVALID_HANDLE_VALUE) FindClose(handle);
  }
};

bool folder_reader::open(const std::string& folder) {
  stream_ = std::make_unique<stream>();
  const std::wstring pattern = (kv_utility::path_from_utf8(folder) / L"*").wstring();
  stream_->handle =
      FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &stream_->found, FindExSearchNameMatch, nullptr, 0);
  stream_->pending = stream_->handle != INVALID_HANDLE_VALUE;
  return stream_->pending;
}

bool folder_reader::next(std::string& name, entry_kind& kind) {
  if (!stream_ || stream_->handle == INVALID_HANDLE_VALUE) return false;
  do {
    if (!stream_->pending && !FindNextFileW(stream_->handle, &stream_->found)) {
      stream_->failed = GetLastError() != ERROR_NO_MORE_FILES;
      return false;
    }
    stream_->pending = false;
    name = kv_utility::utf8_from_path(std::filesystem::path(stream_->found.cFileName));
  } while (name == "." || name == "..");
  const DWORD attributes = stream_->found.dwFileAttributes;
  kind = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? entry_kind::link
         : (attributes & FILE_ATTRIBUTE_DIRECTORY)   ? entry_kind::folder
                                                     : entry_kind::file;
  return true;
}
#else
struct folder_reader::stream {
  DIR* handle = nullptr;
  std::string prefix;  // the folder and a separator, ready for names
  bool failed = false;
  ~stream() {
    if (handle) closedir(handle);
  }
};

bool folder_reader::open(const std::string& folder) {
  stream_ = std::make_unique<stream>();
  stream_->handle = opendir(folder.c_str());
  stream_->prefix = folder.empty() || folder.back() == '/' ? folder : folder + '/';
  return stream_->handle != nullptr;
}

namespace {

entry_kind kind_of(unsigned char type) {
  switch (type) {
    case DT_DIR:
      return entry_kind::folder;
    case DT_LNK:
      return entry_kind::link;
    case DT_REG:
      return entry_kind::file;
    default:
      return entry_kind::other;
  }
}

entry_kind kind_of(const struct stat& status) {
  if (S_ISDIR(status.st_mode)) return entry_kind::folder;
  if (S_ISLNK(status.st_mode)) return entry_kind::link;
  return S_ISREG(status.st_mode) ? entry_kind::file : entry_kind::other;
}

}  // namespace

// A file system without entry types is asked.
bool folder_reader::next(std::string& name, entry_kind& kind) {
  if (!stream_ || !stream_->handle) return false;
  const dirent* entry = nullptr;
  do {
    errno = 0;
    entry = readdir(stream_->handle);
    if (!entry) {
      stream_->failed = errno != 0;
      return false;
    }
    name = entry->d_name;
  } while (name == "." || name == "..");
  struct stat status;
  if (entry->d_type != DT_UNKNOWN)
    kind = kind_of(entry->d_type);
  else
    kind = lstat((stream_->prefix + name).c_str(), &status) == 0 ? kind_of(status) : entry_kind::other;
  return true;
}
#endif

folder_reader::folder_reader() = default;
folder_reader::~folder_reader() = default;
folder_reader::folder_reader(folder_reader&&) noexcept = default;
folder_reader& folder_reader::operator=(folder_reader&&) noexcept = default;

bool folder_reader::failed() const { return stream_ && stream_->failed; }

}  // namespace KV_COBALT::folder_walk
