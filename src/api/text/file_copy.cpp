#ifdef _WIN32
#include "utility/windows_api.hpp"
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "api/text/file_identity.hpp"
#include "api/text/file_names.hpp"
#include "api/text/file_operations.hpp"
#include "api/text/folder_walk.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

namespace fs = std::filesystem;
using folder_walk::entry_kind;

// Whether the source folder is the target's nearest existing folder or one
// above it, by identity; nullopt when that cannot be told. Nothing is written.
std::optional<bool> inside_itself(const fs::path& from, const fs::path& to) {
  const auto source = file_identity::stamp_of(from);
  if (!source || !source->folder) return false;  // no folder, nothing to nest
  std::error_code error;
  fs::path existing = fs::absolute(to, error);
  if (error) return std::nullopt;
  while (!file_identity::stamp_of(existing)) {
    if (!existing.has_relative_path()) return std::nullopt;
    existing = existing.parent_path();
  }
  // Resolved, so that each parent is the real one above it. A parent that
  // cannot be asked (a share's root) is not the source, which could be.
  const auto resolved = file_identity::resolved(existing);
  if (!resolved) return std::nullopt;
  for (fs::path folder = *resolved;; folder = folder.parent_path()) {
    if (const auto stamp = file_identity::stamp_of(folder); stamp && stamp->same_file(*source)) return true;
    if (!folder.has_relative_path()) return false;
  }
}

// One file or link copied to a name that must not exist yet.
bool copy_new(const fs::path& from, const fs::path& to, entry_kind kind) {
  std::error_code error;
  if (kind == entry_kind::link) {
    fs::copy_symlink(from, to, error);
    return !error;
  }
#ifdef _WIN32
  // GCC 12's copy_file takes any existing target for the source itself (no
  // inode numbers on Windows).
  return CopyFileW(from.c_str(), to.c_str(), TRUE);
#else
  return fs::copy_file(from, to, fs::copy_options::none, error);
#endif
}

// Moves a file or link to a name, over what is there.
bool move(const fs::path& from, const fs::path& to) {
#ifdef _WIN32
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING);
#else
  std::error_code error;
  fs::rename(from, to, error);
  return !error;
#endif
}

bool present(const fs::path& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

// Whether the copy may replace the file or link at path: never a read-only
// file (Windows refuses to), nor one a sticky folder keeps for its owner.
bool replaceable(const fs::path& path) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_READONLY);
#else
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  struct stat file {
  }, parent{};
  if (::lstat(path.c_str(), &file) != 0 || ::stat(folder.c_str(), &parent) != 0) return false;
  // Write bits too, since the superuser may write anything.
  const bool read_only = !S_ISLNK(file.st_mode) && ((file.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0);
  const uid_t user = ::geteuid();
  const bool kept = (parent.st_mode & S_ISVTX) && user != 0 && user != file.st_uid && user != parent.st_uid;
  return !read_only && !kept;
#endif
}

// A name no other copy uses, for this copy's temporaries.
std::string own_prefix() {
  std::uint64_t bits = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  try {
    std::random_device device;
    bits ^= (std::uint64_t{device()} << 32) | device();
  } catch (...) {  // the clock alone, where the system gives no randomness
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(bits));
  return ".kv-copy-" + std::string(hex) + "-";
}

// Copies a tree. What it makes is remembered, and a file it would copy over is
// copied beside it under a temporary name first, which replaces it only once
// the whole tree has been copied; each replaced file is kept aside until all
// are replaced. A copy that fails at any point takes back what it made, puts
// back what it replaced, and leaves the target as it was.
class tree_copy {
 public:
  bool run(const fs::path& from, fs::path to) {
    std::error_code ignored;
    const fs::file_status source = fs::status(from, ignored);
    // A folder named as the target of a file receives the file under its own name.
    if (!fs::is_directory(source) && fs::is_directory(fs::status(to, ignored))) to /= from.filename();
    // The target the script names is followed when it is a link.
    if (fs::is_symlink(fs::symlink_status(to, ignored)) && fs::exists(fs::status(to, ignored)))
      to = fs::canonical(to, ignored);
    const entry_kind kind = fs::is_directory(source)      ? entry_kind::folder
                            : fs::is_regular_file(source) ? entry_kind::file
                                                          : entry_kind::other;
    const bool copied = !to.empty() && copy_entry(from, to, kind) && replace_all();
    if (!copied) undo();
    return copied;
  }

 private:
  struct replacement {
    fs::path copy, target, aside;  // the whole copy, the file it replaces, and where that waits
  };
  std::vector<fs::path> made_;
  std::vector<replacement> replacements_;
  const std::string prefix_ = own_prefix();
  unsigned long long names_ = 0;

  // A name beside path that nothing holds; one left by a killed copy, or a
  // file of the user's, is stepped over and never touched.
  fs::path unused_name_beside(const fs::path& path) {
    fs::path name;
    do name = path.parent_path() / (prefix_ + std::to_string(names_++) + ".tmp");
    while (present(name));
    return name;
  }

  bool copy_entry(const fs::path& from, const fs::path& to, entry_kind kind) {
    if (kind == entry_kind::folder) return copy_folder(from, to);
    if (kind == entry_kind::other) return false;  // no pipes, sockets or devices
    std::error_code error;
    const fs::file_status target = fs::symlink_status(to, error);
    if (!fs::exists(target)) {
      if (!copy_new(from, to, kind)) return false;
      made_.push_back(to);
      return true;
    }
    if (!fs::is_regular_file(target) && !fs::is_symlink(target)) return false;  // a folder where a file goes
    if (!replaceable(to)) return false;
    const fs::path temporary = unused_name_beside(to);
    if (!copy_new(from, temporary, kind)) return false;
    made_.push_back(temporary);
    replacements_.push_back({temporary, to, {}});
    return true;
  }

  // The system's own folder listing: standard directory iterators lose their
  // way on long paths under mingw-w64.
  bool copy_folder(const fs::path& from, const fs::path& to) {
    std::error_code error;
    if (!fs::is_directory(fs::symlink_status(to, error))) {
      // False without an error for a folder already there, through a link.
      const bool made = fs::create_directory(to, from, error);
      if (error) return false;
      if (made) made_.push_back(to);
    }
    folder_walk::folder_reader reader;
    if (!reader.open(kv_utility::utf8_from_path(from))) return false;
    std::string name;
    entry_kind kind;
    while (reader.next(name, kind)) {
      const fs::path entry = kv_utility::path_from_utf8(name);
      if (!copy_entry(from / entry, to / entry, kind)) return false;
    }
    return !reader.failed();
  }

  // Each replaced file waits aside until all are replaced, so that a refusal
  // at any point can put every one back.
  bool replace_all() {
    std::size_t replaced = 0;
    while (replaced < replacements_.size() && replace(replacements_[replaced])) ++replaced;
    std::error_code ignored;
    if (replaced == replacements_.size()) {
      for (const replacement& done : replacements_) fs::remove(done.aside, ignored);
      return true;
    }
    while (replaced-- > 0) move(replacements_[replaced].aside, replacements_[replaced].target);
    return false;
  }

  bool replace(replacement& next) {
    next.aside = unused_name_beside(next.target);
    if (!move(next.target, next.aside)) return false;
    if (move(next.copy, next.target)) return true;
    move(next.aside, next.target);
    return false;
  }

  // Newest first, so folders are empty of what this copy put in them.
  void undo() {
    std::error_code ignored;
    for (auto made = made_.rbegin(); made != made_.rend(); ++made) fs::remove(*made, ignored);
  }
};

}  // namespace

bool SetCopyFile(const char* copyFilePath, const char* pasteFilePath) {
  const auto from = file_names::stored(kv_utility::path_from_utf8(copyFilePath));
  const auto to = file_names::stored(kv_utility::path_from_utf8(pasteFilePath));
  if (!from || !to || inside_itself(*from, *to).value_or(true)) return false;
  return tree_copy().run(*from, *to);
}

}  // namespace KV_COBALT
