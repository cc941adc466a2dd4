#include "api/text/file_identity.hpp"

#ifdef _WIN32
#include <string>
#include <vector>

#include "api/text/file_names.hpp"
#include "utility/windows_api.hpp"
#else
#include <sys/stat.h>
#endif

#include <system_error>

namespace KV_COBALT::file_identity {

#ifdef _WIN32
namespace {

// A handle that reads nothing, for folders too; closed when it goes.
struct handle_of {
  HANDLE handle;
  explicit handle_of(const std::filesystem::path& path)
      : handle(CreateFileW(file_names::reachable(path).c_str(), 0,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr)) {}
  ~handle_of() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
  handle_of(const handle_of&) = delete;
  handle_of& operator=(const handle_of&) = delete;
};

}  // namespace

std::optional<stamp> stamp_of(const std::filesystem::path& path) {
  const handle_of file(path);
  BY_HANDLE_FILE_INFORMATION information;
  if (file.handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(file.handle, &information))
    return std::nullopt;
  const auto join = [](DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; };
  return stamp{information.dwVolumeSerialNumber, join(information.nFileIndexHigh, information.nFileIndexLow),
               (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0};
}

std::optional<std::filesystem::path> resolved(const std::filesystem::path& path) {
  const handle_of file(path);
  if (file.handle == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<wchar_t> name(MAX_PATH);
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(file.handle, name.data(), static_cast<DWORD>(name.size()), 0);
    if (length == 0) return std::nullopt;
    if (length < name.size()) return std::filesystem::path(file_names::plain(std::wstring(name.data(), length)));
    name.resize(length + 1);
  }
}
#else
std::optional<stamp> stamp_of(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return stamp{static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
               S_ISDIR(status.st_mode)};
}

std::optional<std::filesystem::path> resolved(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::path name = std::filesystem::canonical(path, error);
  if (error) return std::nullopt;
  return name;
}
#endif

}  // namespace KV_COBALT::file_identity
