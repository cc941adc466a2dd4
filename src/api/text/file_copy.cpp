#ifdef _WIN32
#include "utility/windows_api.hpp"
#endif

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "api/text/file_operations.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

namespace fs = std::filesystem;

// The absolute, normalised form (relative names taken from the working folder,
// as the copy takes them), without a trailing separator.
fs::path comparable(const fs::path& path, std::error_code& error) {
  const fs::path absolute = fs::absolute(path, error);
  if (error) return {};
  const fs::path resolved = fs::weakly_canonical(absolute, error);
  return resolved.has_filename() ? resolved : resolved.parent_path();
}

// Whether the source is the target's nearest existing folder or one above it,
// by the file system's own identity: a second name for the source (another
// letter case, a link, a mount) is still the source. Empty when it cannot tell.
std::optional<bool> inside_by_identity(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::path existing = fs::absolute(to, error);
  if (error) return std::nullopt;
  while (fs::status(existing, error).type() == fs::file_type::not_found) {
    if (!existing.has_relative_path()) return std::nullopt;
    existing = existing.parent_path();
  }
  if (error) return std::nullopt;
  // Resolved, so that each parent is the real one above it.
  for (fs::path folder = fs::canonical(existing, error); !error; folder = folder.parent_path()) {
    if (fs::equivalent(from, folder, error)) return true;
    if (!error && !folder.has_relative_path()) return false;
  }
  return std::nullopt;
}

// A folder copied into itself would copy its own copy again and again. The
// spelling decides only where the file system cannot.
bool inside_itself(const fs::path& from, const fs::path& to) {
  std::error_code error;
  if (!fs::is_directory(from, error)) return false;
  if (const auto decided = inside_by_identity(from, to)) return *decided;
  const fs::path source = comparable(from, error);
  if (error) return true;
  const fs::path target = comparable(to, error);
  if (error) return true;
  return std::mismatch(source.begin(), source.end(), target.begin(), target.end()).first == source.end();
}

// Copies a tree and remembers what it made, so that a copy that fails part-way
// can take back exactly that and leave everything that was there before.
class tree_copy {
 public:
  bool run(const fs::path& from, const fs::path& to) {
    std::error_code error;
    // A folder named as the target of a file receives the file under its own name.
    const bool into_folder = !fs::is_directory(from, error) && fs::is_directory(to, error);
    if (copy_entry(from, into_folder ? to / from.filename() : to)) return true;
    undo();
    return false;
  }

 private:
  std::vector<fs::path> made_;

  bool copy_entry(const fs::path& from, const fs::path& to, bool top = true) {
    std::error_code error;
    // The paths the script names are followed; links inside the tree are copied as links.
    const fs::file_status status = top ? fs::status(from, error) : fs::symlink_status(from, error);
    if (error) return false;
    if (fs::is_directory(status)) return copy_folder(from, to, top);
    if (!fs::is_symlink(status) && !fs::is_regular_file(status)) return false;  // no pipes, sockets or devices
    const bool existed = exists(to);
    if (fs::is_symlink(status)) fs::copy_symlink(from, to, error);
#ifdef _WIN32
    // GCC 12's copy_file takes any existing target for the source itself (no
    // inode numbers on Windows) and refuses to overwrite it.
    else if (!CopyFileW(from.c_str(), to.c_str(), FALSE))
      error = std::error_code(static_cast<int>(GetLastError()), std::system_category());
#else
    else
      fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
#endif
    if (!existed && exists(to)) made_.push_back(to);
    return !error;
  }

  static bool exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
  }

  bool copy_folder(const fs::path& from, const fs::path& to, bool top) {
    std::error_code error;
    if (!fs::is_directory(top ? fs::status(to, error) : fs::symlink_status(to, error))) {
      fs::create_directory(to, from, error);
      if (error) return false;
      made_.push_back(to);
    }
    fs::directory_iterator entries(from, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error))
      if (!copy_entry(entries->path(), to / entries->path().filename(), false)) return false;
    return !error;
  }

  // Newest first, so folders are empty of what this copy put in them.
  void undo() {
    std::error_code ignored;
    for (auto made = made_.rbegin(); made != made_.rend(); ++made) fs::remove(*made, ignored);
  }
};

}  // namespace

bool SetCopyFile(const char* copyFilePath, const char* pasteFilePath) {
  const fs::path from = kv_utility::path_from_utf8(copyFilePath), to = kv_utility::path_from_utf8(pasteFilePath);
  if (inside_itself(from, to)) return false;
  return tree_copy().run(from, to);
}

}  // namespace KV_COBALT
