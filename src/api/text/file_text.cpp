#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "api/text/file_operations.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

namespace fs = std::filesystem;

enum write_mode { overwrite = 0, create_new = 1, append = 2 };

// An absolute file name stands alone; otherwise it lies in directory.
fs::path full_path(const char* directory, const char* filename) {
  return fs::path(kv_utility::utf8_to_multi(directory)) / kv_utility::utf8_to_multi(filename);
}

bool ensure_folder(const fs::path& folder) {
  if (folder.empty()) return true;
  std::error_code error;
  if (fs::exists(folder, error)) return true;
  fs::create_directories(folder, error);
  return !error;
}

// The first of name, name(1).ext, name(2).ext, ... that does not exist yet,
// opened exclusively so that nothing existing is ever overwritten.
std::FILE* open_new_file(fs::path path) {
  const auto [stem, extension] = kv_utility::split_extension(path.filename().string());
  for (unsigned long long k = 0;; ++k) {
    if (k > 0) path.replace_filename(stem + "(" + std::to_string(k) + ")." + extension);
    if (std::FILE* file = std::fopen(path.c_str(), "wbx")) return file;
    if (errno != EEXIST) return nullptr;
  }
}

std::FILE* open_for_writing(const fs::path& path, int mode) {
  switch (mode) {
    case overwrite:
      return std::fopen(path.c_str(), "wb");
    case append:
      return std::fopen(path.c_str(), "ab");
    default:
      return open_new_file(path);
  }
}

struct file_start {
  std::string text;
  bool whole = false;  // the file ended within the text
};

// At most limit bytes from the start of the file; nullopt on a read error.
std::optional<file_start> read_start(std::FILE* file, std::size_t limit) {
  file_start start;
  std::array<char, 16384> chunk;
  while (start.text.size() < limit) {
    const std::size_t wanted = std::min(chunk.size(), limit - start.text.size());
    const std::size_t got = std::fread(chunk.data(), 1, wanted, file);
    start.text.append(chunk.data(), got);
    if (got < wanted) {
      if (std::ferror(file)) return std::nullopt;
      start.whole = true;
      break;
    }
  }
  return start;
}

}  // namespace

bool WriteFile(const char* directory, const char* filename, const char* text, int mode) {
  if (mode != overwrite && mode != create_new && mode != append) return false;
  if (!ensure_folder(kv_utility::utf8_to_multi(directory))) return false;
  const fs::path target = full_path(directory, filename);
  if (!target.has_filename()) return false;  // a folder, not a file
  std::FILE* file = open_for_writing(target, mode);
  if (!file) return false;
  const std::size_t length = std::strlen(text);
  const bool written = std::fwrite(text, 1, length, file) == length;
  return std::fclose(file) == 0 && written;
}

bool ReadFile(const char* directory, const char* filename, char* textOutNeedBig, int textOutNeedBig_sz) {
  if (!textOutNeedBig) return false;
  std::FILE* file = std::fopen(full_path(directory, filename).c_str(), "rb");
  if (!file) return false;
  // One byte more than the buffer shows, so that a read error shows even then.
  auto start = read_start(file, static_cast<std::size_t>(std::max(textOutNeedBig_sz, 1)));
  std::fclose(file);
  if (!start) return false;
  // Every line ends with a line feed, the last one too.
  if (start->whole && !start->text.empty() && start->text.back() != '\n') start->text += '\n';
  kv_utility::strcpy(textOutNeedBig, textOutNeedBig_sz, start->text);
  return true;
}

}  // namespace KV_COBALT
