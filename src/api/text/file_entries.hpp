#pragma once
// The file-system calls a copy makes, one entry at a time. On Windows they go
// to Win32 itself with each name in the form that reaches it however long
// (the C runtime's stat refuses \\?\ names).
#include <filesystem>
#include <optional>

namespace KV_COBALT::file_entries {

// What path names, through a link when follow is set; not_found when nothing
// is there or it cannot be asked.
std::filesystem::file_type type_of(const std::filesystem::path& path, bool follow);

// Makes the folder path (from's permissions on POSIX): true when made, false
// when a folder is already there (also through a link), nullopt on failure.
std::optional<bool> make_folder(const std::filesystem::path& path, const std::filesystem::path& from);

// A file or link copied to a name that must not exist yet.
bool copy_file_new(const std::filesystem::path& from, const std::filesystem::path& to);
bool copy_link_new(const std::filesystem::path& from, const std::filesystem::path& to);

// Moves a file or link to a name, over what is there.
bool move_over(const std::filesystem::path& from, const std::filesystem::path& to);

// Removes a file, a link or an empty folder.
void remove(const std::filesystem::path& path);

// Whether a copy may replace the file or link at path: never a read-only file
// (Windows refuses to), nor one a sticky folder keeps for its owner.
bool replaceable(const std::filesystem::path& path);

}  // namespace KV_COBALT::file_entries
