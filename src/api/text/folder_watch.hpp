#pragma once
// Whether any name left a folder between two looks at it: the proof that lets
// a search for a new file name resume where the last one ended.
#include <filesystem>

namespace KV_COBALT {

// Watches one folder at a time, where the system reports every change to it
// (inotify, on a file system that changes only through this kernel).
// Elsewhere it proves nothing, and every answer is false.
class folder_watch {
 public:
  folder_watch() = default;
  ~folder_watch();
  folder_watch(const folder_watch&) = delete;
  folder_watch& operator=(const folder_watch&) = delete;

  // True when folder names the folder of the last call and no name left it
  // since (removed, or renamed away). Either way folder is watched from now on.
  bool unchanged(const std::filesystem::path& folder);

 private:
#ifdef __linux__
  int events_ = -1, watch_ = -1;
#endif
};

}  // namespace KV_COBALT
