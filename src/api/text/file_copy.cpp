#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "api/text/file_entries.hpp"
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

bool copy_new(const fs::path& from, const fs::path& to, entry_kind kind) {
  return kind == entry_kind::link ? file_entries::copy_link_new(from, to) : file_entries::copy_file_new(from, to);
}

// Whether something is at path; a name that cannot be asked is not taken, so
// that the copy to it fails rather than looks for another.
bool present(const fs::path& path) {
  const fs::file_type type = file_entries::type_of(path, false);
  return type != fs::file_type::not_found && type != fs::file_type::none;
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
    const fs::file_type source = file_entries::type_of(from, true);
    // A folder named as the target of a file receives the file under its own name.
    if (source != fs::file_type::directory && file_entries::type_of(to, true) == fs::file_type::directory)
      to /= from.filename();
    // The target the script names is followed when it is a link.
    if (file_entries::type_of(to, false) == fs::file_type::symlink &&
        file_entries::type_of(to, true) != fs::file_type::not_found)
      to = file_identity::resolved(to).value_or(fs::path());
    const entry_kind kind = source == fs::file_type::directory ? entry_kind::folder
                            : source == fs::file_type::regular ? entry_kind::file
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
    const fs::file_type target = file_entries::type_of(to, false);
    if (target == fs::file_type::not_found) {
      if (!copy_new(from, to, kind)) return false;
      made_.push_back(to);
      return true;
    }
    // Not a folder where a file goes, nor a file that must stay as it is.
    if (target != fs::file_type::regular && target != fs::file_type::symlink) return false;
    if (!file_entries::replaceable(to)) return false;
    const fs::path temporary = unused_name_beside(to);
    if (!copy_new(from, temporary, kind)) return false;
    made_.push_back(temporary);
    replacements_.push_back({temporary, to, {}});
    return true;
  }

  // The system's own folder listing: standard directory iterators lose their
  // way on long paths under mingw-w64.
  bool copy_folder(const fs::path& from, const fs::path& to) {
    // A folder already there, also through a link, is not this copy's to take back.
    const auto made = file_entries::make_folder(to, from);
    if (!made) return false;
    if (*made) made_.push_back(to);
    folder_walk::folder_reader reader;
    if (!reader.open(kv_utility::utf8_from_path(file_names::reachable(from)))) return false;
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
    if (replaced == replacements_.size()) {
      for (const replacement& done : replacements_) file_entries::remove(done.aside);
      return true;
    }
    while (replaced-- > 0) put_back(replacements_[replaced]);
    return false;
  }

  bool replace(replacement& next) {
    next.aside = unused_name_beside(next.target);
    if (!file_entries::move_over(next.target, next.aside)) return false;
    if (file_entries::move_over(next.copy, next.target)) return true;
    put_back(next);
    return false;
  }

  // Windows moves nothing over a read-only file, as the copy of one is.
  static void put_back(const replacement& done) {
    if (file_entries::move_over(done.aside, done.target)) return;
    file_entries::remove(done.target);
    file_entries::move_over(done.aside, done.target);
  }

  // Newest first, so folders are empty of what this copy put in them.
  void undo() {
    for (auto made = made_.rbegin(); made != made_.rend(); ++made) file_entries::remove(*made);
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
