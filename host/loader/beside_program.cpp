#include "loader/beside_program.hpp"

#include <filesystem>
#include <system_error>

namespace kvhost {

std::string beside_program(const std::string& path) {
  namespace fs = std::filesystem;
  if (fs::path(path).is_absolute()) return path;
  // Where no /proc names the program (not Linux), the path stays as it is.
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  return error ? path : (program.parent_path() / path).string();
}

}  // namespace kvhost
