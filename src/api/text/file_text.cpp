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
#include <string>
#include <system_error>

#include "api/text/file_operations.hpp"
#include "api/text/file_text_delivery.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

namespace fs = std::filesystem;

enum write_mode { overwrite = 0, create_new = 1, append = 2 };

// An absolute file name stands alone; otherwise it lies in directory.
fs::path full_path(const char* directory, const char* filename) {
  const fs::path name = kv_utility::path_from_utf8(filename);
#ifdef _WIN32
  // GCC 12 sees no root in \\server\share\... or \\?\C:\... and would put them under the directory's drive.
  const auto separator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
  if (name.native().size() >= 2 && separator(name.native()[0]) && separator(name.native()[1])) return name;
#endif
  return kv_utility::path_from_utf8(directory) / name;
}

bool ensure_folder(const fs::path& folder) {
  if (folder.empty()) return true;
  std::error_code error;
  if (fs::exists(folder, error)) return true;
  fs::create_directories(folder, error);
  return !error;
}

// Scripts run on the host's main thread: a pipe or a socket, which could wait
// for the other side forever, is refused, and opening never waits.
#ifdef _WIN32
std::FILE* open_file(const fs::path& path, int flags, const char* mode) {
  const DWORD access = (flags & O_WRONLY) ? GENERIC_WRITE : GENERIC_READ;
  DWORD disposition = (flags & O_TRUNC) ? TRUNCATE_EXISTING : OPEN_EXISTING;
  if (flags & O_CREAT) disposition = (flags & O_EXCL) ? CREATE_NEW : (flags & O_TRUNC) ? CREATE_ALWAYS : OPEN_ALWAYS;
  constexpr DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  const HANDLE handle = CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    errno = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? EEXIST : EACCES;
    return nullptr;
  }
  const DWORD type = GetFileType(handle);
  const int descriptor = type == FILE_TYPE_DISK || type == FILE_TYPE_CHAR
                             ? _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags & (O_WRONLY | O_APPEND))
                             : -1;
  if (descriptor < 0) {
    CloseHandle(handle);
    errno = EINVAL;  // not EEXIST: a new-name search stops here
    return nullptr;
  }
  std::FILE* file = _fdopen(descriptor, mode);
  if (!file) _close(descriptor);
  return file;
}
#else
std::FILE* open_file(const fs::path& path, int flags, const char* mode) {
  const int descriptor = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
  if (descriptor < 0) return nullptr;
  struct stat status {};
  const bool usable = ::fstat(descriptor, &status) == 0 && (S_ISREG(status.st_mode) || S_ISCHR(status.st_mode)) &&
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

// The first of name, name(1).ext, name(2).ext, ... that does not exist yet,
// opened exclusively so that nothing existing is ever overwritten.
std::FILE* open_new_file(fs::path path) {
  const auto [stem, extension] = kv_utility::split_extension(kv_utility::utf8_from_path(path.filename()));
  for (unsigned long long k = 0;; ++k) {
    if (k > 0) path.replace_filename(kv_utility::path_from_utf8(numbered_name(stem, extension, k)));
    if (std::FILE* file = open_file(path, O_WRONLY | O_CREAT | O_EXCL, "wb")) return file;
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
  const fs::path target = full_path(directory, filename);
  if (!target.has_filename()) return false;  // a folder, not a file
  // Only the folder the file goes into: an absolute name leaves the base folder unused.
  if (!ensure_folder(target.parent_path())) return false;
  std::FILE* file = open_for_writing(target, mode);
  if (!file) return false;
  const std::size_t length = std::strlen(text);
  const bool written = std::fwrite(text, 1, length, file) == length;
  return std::fclose(file) == 0 && written;
}

bool ReadFile(const char* directory, const char* filename, char* textOutNeedBig, int textOutNeedBig_sz) {
  if (!textOutNeedBig) return false;
  std::FILE* file = open_file(full_path(directory, filename), O_RDONLY, "rb");
  if (!file) return false;
  const bool whole = deliver_file_text(file, textOutNeedBig, textOutNeedBig_sz);
  std::fclose(file);
  return whole;
}

}  // namespace KV_COBALT
