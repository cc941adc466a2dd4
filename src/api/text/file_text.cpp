#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#include <io.h>

#include "utility/windows_api.hpp"
#endif

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>

#include "api/text/file_names.hpp"
#include "api/text/file_operations.hpp"
#include "api/text/file_text_delivery.hpp"
#include "api/text/folder_watch.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

namespace fs = std::filesystem;

enum write_mode { overwrite = 0, create_new = 1, append = 2 };

// An absolute file name stands alone; otherwise it lies in directory. Nullopt
// for a name the file system would not store as a file.
std::optional<fs::path> full_path(const char* directory, const char* filename) {
  const fs::path name = kv_utility::path_from_utf8(filename);
#ifdef _WIN32
  // GCC 12 sees no root in \\server\share\... or \\?\C:\... and would put them under the directory's drive.
  const auto separator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
  if (name.native().size() >= 2 && separator(name.native()[0]) && separator(name.native()[1]))
    return file_names::stored(name);
#endif
  return file_names::stored(kv_utility::path_from_utf8(directory) / name);
}

bool ensure_folder(const fs::path& folder) {
  if (folder.empty()) return true;
  std::error_code error;
  if (fs::exists(folder, error)) return true;
  fs::create_directories(folder, error);
  return !error;
}

// Scripts run on the host's main thread: only regular files are opened. A
// device, a pipe or a socket could wait for the other side forever or never
// end, and opening one can act on it (a terminal, a serial port); opening
// never waits. EEXIST says that the name is taken.
#ifdef _WIN32
std::FILE* open_file(const fs::path& path, int flags, const char* mode) {
  const DWORD access = (flags & O_WRONLY) ? GENERIC_WRITE : GENERIC_READ;
  DWORD disposition = (flags & O_TRUNC) ? TRUNCATE_EXISTING : OPEN_EXISTING;
  if (flags & O_CREAT) disposition = (flags & O_EXCL) ? CREATE_NEW : (flags & O_TRUNC) ? CREATE_ALWAYS : OPEN_ALWAYS;
  constexpr DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  const HANDLE handle = CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    // A new file over a folder is access denied on Windows; the name is taken all the same.
    const bool taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ||
                       (disposition == CREATE_NEW && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES);
    errno = taken ? EEXIST : EACCES;
    return nullptr;
  }
  const int descriptor = GetFileType(handle) == FILE_TYPE_DISK
                             ? _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags & (O_WRONLY | O_APPEND))
                             : -1;
  if (descriptor < 0) {
    CloseHandle(handle);
    errno = EINVAL;
    return nullptr;
  }
  std::FILE* file = _fdopen(descriptor, mode);
  if (!file) _close(descriptor);
  return file;
}
#else
std::FILE* open_file(const fs::path& path, int flags, const char* mode) {
  struct stat status {};
  // An exclusive open never opens what exists.
  if (!(flags & O_EXCL) && ::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
    errno = EINVAL;
    return nullptr;
  }
  const int descriptor = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  if (descriptor < 0) return nullptr;
  const bool usable = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
                      ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK) == 0;
  std::FILE* file = usable ? ::fdopen(descriptor, mode) : nullptr;
  if (!file) ::close(descriptor);
  return file;
}
#endif

// Candidate k of a new name: stem(k).extension, the dot written also after
// an empty extension.
std::string numbered_name(const std::string& stem, const std::string& extension, unsigned long long k) {
  std::string name = stem + "(" + std::to_string(k) + ")." + extension;
#ifdef _WIN32
  // Win32 drops a file name's trailing dots and spaces; the name is made as it is stored.
  name.erase(name.find_last_not_of(". ") + 1);
#endif
  return name;
}

// Where the last search for a new name ended: every earlier candidate was
// taken. While the system proves that no name left the folder since, the next
// search for that name starts there, and N writes cost N opens, not N².
struct new_name_search {
  fs::path path;
  unsigned long long next = 0;
};

// The first of name, name(1).ext, name(2).ext, ... that does not exist yet,
// opened exclusively so that nothing existing is ever overwritten.
std::FILE* open_new_file(const fs::path& path) {
  static std::mutex lock;
  static new_name_search last;
  static folder_watch watch;
  const std::scoped_lock held(lock);
  const auto [stem, extension] = kv_utility::split_extension(kv_utility::utf8_from_path(path.filename()));
  const bool unchanged = watch.unchanged(path.has_parent_path() ? path.parent_path() : fs::path("."));
  unsigned long long k = unchanged && last.path == path ? last.next : 0;
  for (fs::path candidate = path;; ++k) {
    if (k > 0) candidate.replace_filename(kv_utility::path_from_utf8(numbered_name(stem, extension, k)));
    if (std::FILE* file = open_file(candidate, O_WRONLY | O_CREAT | O_EXCL, "wb")) {
      last = {path, k + 1};
      return file;
    }
    if (errno != EEXIST) return nullptr;
  }
}

std::FILE* open_for_writing(const fs::path& path, int mode) {
  switch (mode) {
    case overwrite:
      return open_file(path, O_WRONLY | O_CREAT | O_TRUNC, "wb");
    case append:
      return open_file(path, O_WRONLY | O_CREAT | O_APPEND, "ab");
    default:
      return open_new_file(path);
  }
}

}  // namespace

bool WriteFile(const char* directory, const char* filename, const char* text, int mode) {
  if (mode != overwrite && mode != create_new && mode != append) return false;
  const auto target = full_path(directory, filename);
  if (!target || !target->has_filename()) return false;  // a folder, not a file
  // Only the folder the file goes into: an absolute name leaves the base folder unused.
  if (!ensure_folder(target->parent_path())) return false;
  std::FILE* file = open_for_writing(*target, mode);
  if (!file) return false;
  const std::size_t length = std::strlen(text);
  const bool written = std::fwrite(text, 1, length, file) == length;
  return std::fclose(file) == 0 && written;
}

bool ReadFile(const char* directory, const char* filename, char* textOutNeedBig, int textOutNeedBig_sz) {
  if (!textOutNeedBig) return false;
  const auto path = full_path(directory, filename);
  std::FILE* file = path ? open_file(*path, O_RDONLY, "rb") : nullptr;
  if (!file) return false;
  const bool whole = deliver_file_text(file, textOutNeedBig, textOutNeedBig_sz);
  std::fclose(file);
  return whole;
}

}  // namespace KV_COBALT
