#include "api/text/file_entries.hpp"

#ifdef _WIN32
#include "api/text/file_identity.hpp"
#include "api/text/file_names.hpp"
#include "utility/windows_api.hpp"
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <system_error>

namespace KV_COBALT::file_entries {

namespace fs = std::filesystem;

bool copy_link_new(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::copy_symlink(from, to, error);
  return !error;
}

#ifdef _WIN32
namespace {

std::wstring win32_name(const fs::path& path) { return file_names::reachable(path).native(); }

DWORD attributes_of(const fs::path& path) { return GetFileAttributesW(win32_name(path).c_str()); }

}  // namespace

fs::file_type type_of(const fs::path& path, bool follow) {
  const DWORD attributes = attributes_of(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return fs::file_type::not_found;
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) && !follow) return fs::file_type::symlink;
  if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? fs::file_type::directory : fs::file_type::regular;
  const auto target = file_identity::stamp_of(path);
  if (!target) return fs::file_type::not_found;
  return target->folder ? fs::file_type::directory : fs::file_type::regular;
}

std::optional<bool> make_folder(const fs::path& path, const fs::path&) {
  if (CreateDirectoryW(win32_name(path).c_str(), nullptr)) return true;
  if (GetLastError() == ERROR_ALREADY_EXISTS && type_of(path, true) == fs::file_type::directory) return false;
  return std::nullopt;
}

// GCC 12's copy_file takes any existing target for the source itself (no
// inode numbers on Windows).
bool copy_file_new(const fs::path& from, const fs::path& to) {
  return CopyFileW(win32_name(from).c_str(), win32_name(to).c_str(), TRUE);
}

bool move_over(const fs::path& from, const fs::path& to) {
  return MoveFileExW(win32_name(from).c_str(), win32_name(to).c_str(), MOVEFILE_REPLACE_EXISTING);
}

void remove(const fs::path& path) {
  const std::wstring name = win32_name(path);
  const DWORD attributes = GetFileAttributesW(name.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    RemoveDirectoryW(name.c_str());  // a link to a folder goes, not what it names
    return;
  }
  // A copy of a read-only source is read-only too.
  if (attributes & FILE_ATTRIBUTE_READONLY) SetFileAttributesW(name.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  DeleteFileW(name.c_str());
}

bool replaceable(const fs::path& path) {
  const DWORD attributes = attributes_of(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_READONLY);
}
#else
fs::file_type type_of(const fs::path& path, bool follow) {
  std::error_code error;
  return (follow ? fs::status(path, error) : fs::symlink_status(path, error)).type();
}

std::optional<bool> make_folder(const fs::path& path, const fs::path& from) {
  std::error_code error;
  const bool made = fs::create_directory(path, from, error);
  if (error) return std::nullopt;
  return made;
}

bool copy_file_new(const fs::path& from, const fs::path& to) {
  std::error_code error;
  return fs::copy_file(from, to, fs::copy_options::none, error);
}

bool move_over(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::rename(from, to, error);
  return !error;
}

void remove(const fs::path& path) {
  std::error_code ignored;
  fs::remove(path, ignored);
}

bool replaceable(const fs::path& path) {
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  struct stat file {};
  struct stat parent {};
  if (::lstat(path.c_str(), &file) != 0 || ::stat(folder.c_str(), &parent) != 0) return false;
  // The write bits too, since the superuser may write anything.
  const bool read_only = !S_ISLNK(file.st_mode) && ((file.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0);
  const uid_t user = ::geteuid();
  const bool kept = (parent.st_mode & S_ISVTX) && user != 0 && user != file.st_uid && user != parent.st_uid;
  return !read_only && !kept;
}
#endif

}  // namespace KV_COBALT::file_entries
