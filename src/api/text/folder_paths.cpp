#include "api/text/folder_paths.hpp"

#include <filesystem>
#include <system_error>

#include "utility/utility.hpp"

namespace KV_COBALT::folder_paths {

std::string join(const std::string& base, const std::string& part) {
  constexpr char separator = static_cast<char>(std::filesystem::path::preferred_separator);
  // A base that already ends in a separator gets no second one.
  const bool ended = !base.empty() && (base.back() == separator || base.back() == '/');
  return ended ? base + part : base + separator + part;
}

std::optional<std::string> dated_name(const std::string& name, int timeType, const std::tm& time) {
  const int month = time.tm_mon + 1, day = time.tm_mday, hour = time.tm_hour, minute = time.tm_min;
  const int second = time.tm_sec;
  const long long year = time.tm_year + 1900LL;
  switch (timeType) {
    case 0:
      return name;
    case 1:
      return kv_utility::format("%s_%02d%02d_%02d%02d", name.c_str(), month, day, hour, minute);
    case 2:
      return kv_utility::format("%s_%02d%02d_%02d%02d%02d", name.c_str(), month, day, hour, minute, second);
    case 3:
      return kv_utility::format("%s_%lld%02d%02d_%02d%02d%02d", name.c_str(), year, month, day, hour, minute, second);
    default:
      return std::nullopt;
  }
}

bool make_folder(const std::string& path) {
  const std::filesystem::path folder = kv_utility::path_from_utf8(path);
  std::error_code error;
  std::filesystem::create_directory(folder, error);
  return std::filesystem::is_directory(folder, error);
}

}  // namespace KV_COBALT::folder_paths
