#ifdef _WIN32
#include "utility/windows_api.hpp"
#endif

#include <filesystem>
#include <optional>
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

bool replace(const fs::path& from, const fs::path& to) {
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

// Copies a tree. What it makes is remembered, and a file it would copy over is
// copied beside it under a temporary name first, which replaces it only once
// the whole tree has been copied: a copy that fails takes back what it made
// and leaves the target as it was. Should a replacement itself fail, at the
// very end, the files replaced before it stay replaced.
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
  std::vector<fs::path> made_;
  std::vector<std::pair<fs::path, fs::path>> replacements_;  // a whole copy, and the file it replaces
  unsigned long long temporaries_ = 0;

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
    // Numbered across the whole copy, so one folder can hold any number of them;
    // the attempts only step past names that were there before.
    for (int attempt = 0; attempt < 100; ++attempt) {
      const fs::path temporary = to.parent_path() / (".kv-copy-" + std::to_string(temporaries_++) + ".tmp");
      if (copy_new(from, temporary, kind)) {
        made_.push_back(temporary);
        replacements_.emplace_back(temporary, to);
        return true;
      }
      if (!present(temporary)) return false;
    }
    return false;
  }

  // The system's own folder listing: standard directory iterators lose their
  // way on long paths under mingw-w64.
  bool copy_folder(const fs::path& from, const fs::path& to) {
    std::error_code error;
    if (!fs::is_directory(fs::symlink_status(to, error))) {
      fs::create_directory(to, from, error);
      if (error) return false;
      made_.push_back(to);
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

  bool replace_all() {
    for (const auto& [temporary, target] : replacements_)
      if (!replace(temporary, target)) return false;
    return true;
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
