#pragma once
// The file-system name a file operation uses for a script's path.
#include <filesystem>
#include <optional>
#include <string>

namespace KV_COBALT::file_names {

// On Windows, path with every name as Win32 stores it (trailing dots and
// spaces dropped), or nullopt for a path Windows would send to a device
// (CON, NUL.txt, com1, ... in any folder, or the \\.\ namespace) or for a
// name made of dots and spaces alone; a \\?\ prefix is dropped. Elsewhere the
// path itself.
std::optional<std::filesystem::path> stored(const std::filesystem::path& path);

// path as the system's calls reach it: on Windows, past what MAX_PATH allows
// (248 characters for a folder), absolute, normalised and with the prefix
// \\?\ (or \\?\UNC\ for a share); elsewhere, and when shorter, path itself.
std::filesystem::path reachable(const std::filesystem::path& path);

#ifdef _WIN32
// \\?\C:\x as C:\x and \\?\UNC\server\share as \\server\share: the same file.
std::wstring plain(std::wstring name);
#endif

}  // namespace KV_COBALT::file_names
