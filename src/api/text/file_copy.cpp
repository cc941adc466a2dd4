#include <algorithm>
#include <filesystem>
#include <system_error>

#include "api/text/file_operations.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

namespace fs = std::filesystem;

// The absolute form without a trailing separator, so paths compare by parts.
fs::path comparable(const fs::path& path, std::error_code& error) {
  fs::path absolute = fs::weakly_canonical(path, error);
  return absolute.has_filename() ? absolute : absolute.parent_path();
}

// A folder copied into itself would copy its own copy again and again.
bool inside_itself(const fs::path& from, const fs::path& to) {
  std::error_code error;
  if (!fs::is_directory(from, error)) return false;
  const fs::path source = comparable(from, error);
  if (error) return true;
  const fs::path target = comparable(to, error);
  if (error) return true;
  return std::mismatch(source.begin(), source.end(), target.begin(), target.end()).first == source.end();
}

}  // namespace

bool SetCopyFile(const char* copyFilePath, const char* pasteFilePath) {
  const fs::path from(kv_utility::utf8_to_multi(copyFilePath)), to(kv_utility::utf8_to_multi(pasteFilePath));
  if (inside_itself(from, to)) return false;
  std::error_code error;
  fs::copy(from, to, fs::copy_options::overwrite_existing | fs::copy_options::recursive, error);
  return !error;
}

}  // namespace KV_COBALT
