#include "api/text/folder_watch.hpp"

#ifdef __linux__
#include <linux/magic.h>
#include <sys/inotify.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cstdint>
#endif

namespace KV_COBALT {

#ifdef __linux__
namespace {

// A name leaves by removal or by a rename away; the folder itself can go or
// move. One event is enough: the first removes the watch, so none pile up.
constexpr std::uint32_t name_left = IN_DELETE | IN_MOVED_FROM | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR | IN_ONESHOT;

// File systems that change only through this kernel, so that inotify sees
// every change; network and FUSE file systems change elsewhere, overlay's
// layers beneath it.
bool changes_only_here(const std::filesystem::path& folder) {
  struct statfs system {};
  if (::statfs(folder.c_str(), &system) != 0) return false;
  // f_type is a signed word: on 32-bit systems the larger magic numbers are negative.
  switch (static_cast<std::uint32_t>(system.f_type)) {
    case EXT4_SUPER_MAGIC:  // ext2 and ext3 too
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case F2FS_SUPER_MAGIC:
    case MSDOS_SUPER_MAGIC:
    case TMPFS_MAGIC:
      return true;
    default:
      return false;
  }
}

// Reads every event queued; true when there was one.
bool drain(int events) {
  alignas(inotify_event) char buffer[4096];
  bool any = false;
  while (::read(events, buffer, sizeof buffer) > 0) any = true;
  return any;
}

}  // namespace

folder_watch::~folder_watch() {
  if (events_ >= 0) ::close(events_);
}

bool folder_watch::unchanged(const std::filesystem::path& folder) {
  if (events_ < 0) events_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (events_ < 0) return false;
  const bool quiet = !drain(events_);
  const int last = watch_;
  // The same folder keeps its watch number while the watch lives.
  watch_ = changes_only_here(folder) ? ::inotify_add_watch(events_, folder.c_str(), name_left) : -1;
  if (last >= 0 && last != watch_) {
    ::inotify_rm_watch(events_, last);  // already gone after an event
    drain(events_);
  }
  return quiet && last >= 0 && watch_ == last;
}
#else
folder_watch::~folder_watch() = default;

bool folder_watch::unchanged(const std::filesystem::path&) { return false; }
#endif

}  // namespace KV_COBALT
