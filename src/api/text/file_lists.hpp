#pragma once
// Lists of files for the script bindings.
#include <string>
#include <vector>

namespace KV_COBALT {

// Appends the path of every entry below directory, at any depth, whose
// extension is "." + extension without regard to case (folders too). Links to
// folders are not followed and folders that cannot be read are skipped.
// False, with nothing appended, when directory is not a folder.
bool GetFilePathList(const std::string& directory, const std::string& extension, std::vector<std::string>& list);

}  // namespace KV_COBALT
