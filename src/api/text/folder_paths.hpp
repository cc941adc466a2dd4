#pragma once
// Building and creating the folders of the path operations.
#include <ctime>
#include <optional>
#include <string>

namespace KV_COBALT::folder_paths {

// base and part joined with the platform's separator ("/", or "\" on Windows),
// never doubled.
std::string join(const std::string& base, const std::string& part);

// The folder name with the time stamp of timeType (0 to 3); nullopt for any
// other kind, which means the base folder itself.
std::optional<std::string> dated_name(const std::string& name, int timeType, const std::tm& time);

// Creates path (one level) unless it is already a folder; whether it is one now.
bool make_folder(const std::string& path);

}  // namespace KV_COBALT::folder_paths
