#pragma once
// The file-system name a file operation uses for a script's path.
#include <filesystem>
#include <optional>

namespace KV_COBALT::file_names {

// On Windows, path with every name as Win32 stores it (trailing dots and
// spaces dropped), or nullopt for a path Windows would send to a device
// (CON, NUL.txt, com1, ... in any folder, or the \\.\ namespace) or for a
// name made of dots and spaces alone. Elsewhere the path itself.
std::optional<std::filesystem::path> stored(const std::filesystem::path& path);

}  // namespace KV_COBALT::file_names
