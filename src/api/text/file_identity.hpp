#pragma once
// Which file or folder a path names, by the file system's own identity: a
// second name (another letter case, a \\?\ prefix, a link, a mount) is the
// same file.
#include <cstdint>
#include <filesystem>
#include <optional>

namespace KV_COBALT::file_identity {

struct stamp {
  std::uint64_t device = 0, index = 0;  // the file itself
  bool folder = false;
  bool same_file(const stamp& other) const { return device == other.device && index == other.index; }
};

// What path names, links followed; nullopt when it cannot be asked.
std::optional<stamp> stamp_of(const std::filesystem::path& path);

// The name the system itself gives the existing file or folder at path:
// absolute, with every link resolved, in its plain spelling.
std::optional<std::filesystem::path> resolved(const std::filesystem::path& path);

}  // namespace KV_COBALT::file_identity
