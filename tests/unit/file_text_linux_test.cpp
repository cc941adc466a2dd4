// Writing and reading text files where Linux shows what the library did: a
// process waiting on a FIFO, inotify on a device node, and a file system whose
// clock steps in whole seconds.
#ifdef __linux__
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "api/text/file_operations.hpp"
#include "temp_folder.hpp"
#include "utility/utility.hpp"

using namespace KV_COBALT;
namespace fs = std::filesystem;

namespace {

// A child process blocked in open() on a FIFO, waiting for the other end.
class waiting_opener {
 public:
  waiting_opener(const fs::path& fifo, int flags) : pid_(fork()) {
    if (pid_ == 0) {
      ::open(fifo.c_str(), flags);
      _exit(0);
    }
    // Until it waits in the open: no clock in the test, only a bound on a broken setup.
    for (int tries = 0; pid_ > 0 && !waiting() && tries < 10000; ++tries)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ~waiting_opener() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  waiting_opener(const waiting_opener&) = delete;
  waiting_opener& operator=(const waiting_opener&) = delete;

  // Asleep inside openat: nobody opened the other end since it began to wait
  // (the opener that does wakes it before its own open returns).
  bool waiting() const {
    const std::string status = read_bytes("/proc/" + std::to_string(pid_) + "/stat");
    const auto state = status.rfind(") ");
    const std::string call = read_bytes("/proc/" + std::to_string(pid_) + "/syscall");
    return state != std::string::npos && status.substr(state + 2, 1) == "S" &&
           call.starts_with(std::to_string(SYS_openat) + " ");
  }

 private:
  pid_t pid_;
};

// Every inotify open event on a file from now on.
class open_events {
 public:
  explicit open_events(const fs::path& file)
      : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)), watch_(inotify_add_watch(fd_, file.c_str(), IN_OPEN)) {}
  ~open_events() { close(fd_); }
  open_events(const open_events&) = delete;
  open_events& operator=(const open_events&) = delete;
  bool watching() const { return watch_ >= 0; }
  long count() const {
    alignas(inotify_event) char events[4096];
    long got = 0;
    for (ssize_t length; (length = read(fd_, events, sizeof events)) > 0;)
      got += length / static_cast<long>(sizeof(inotify_event));  // events on the file itself carry no name
    return got;
  }

 private:
  int fd_, watch_;
};

// An ext4 with 128-byte inodes, whose times step in whole seconds, mounted
// from an image in this process's own mount namespace, so that the mount ends
// with the process. why_not says why none could be made.
class coarse_clock_mount {
 public:
  explicit coarse_clock_mount(const temp_folder& scratch) : path_(scratch.path() / "ext4") {
    const fs::path image = scratch.path() / "ext4.img";
    write_bytes(image, "");
    fs::resize_file(image, 16 << 20);
    fs::create_directory(path_);
    const std::string quiet = " >/dev/null 2>&1";
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
      why_not_ = "no mount namespace of its own here";
    else if (std::system(("mkfs.ext4 -q -F -I 128 " + kv_utility::shell_quote(image) + quiet).c_str()) != 0)
      why_not_ = "mkfs.ext4 cannot make an image here";
    else if (std::system(
                 ("mount -o loop " + kv_utility::shell_quote(image) + " " + kv_utility::shell_quote(path_) + quiet)
                     .c_str()) != 0)
      why_not_ = "no loop mount here";
  }
  ~coarse_clock_mount() {
    if (why_not_.empty()) umount2(path_.c_str(), MNT_DETACH);
  }
  coarse_clock_mount(const coarse_clock_mount&) = delete;
  coarse_clock_mount& operator=(const coarse_clock_mount&) = delete;
  const fs::path& path() const { return path_; }
  const std::string& why_not() const { return why_not_; }

 private:
  fs::path path_;
  std::string why_not_;
};

}  // namespace

// Opening one end of a FIFO releases a process waiting at the other: a read
// or a write refuses the FIFO without opening it.
TEST(FileText, AFifoIsNeverOpened) {
  temp_folder folder;
  const fs::path fifo = folder.path() / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  char buffer[8] = "kept";
  {
    const waiting_opener writer(fifo, O_WRONLY);
    // An emulator shows its host's system calls.
    if (!writer.waiting()) GTEST_SKIP() << "cannot see a process wait in open here";
    EXPECT_FALSE(ReadFile(folder.text().c_str(), "fifo", buffer, sizeof buffer));
    EXPECT_TRUE(writer.waiting()) << "the read opened the FIFO";
  }
  for (int mode : {0, 2}) {
    const waiting_opener reader(fifo, O_RDONLY);
    ASSERT_TRUE(reader.waiting());
    EXPECT_FALSE(WriteFile(folder.text().c_str(), "fifo", "x", mode));
    EXPECT_TRUE(reader.waiting()) << "mode " << mode << " opened the FIFO";
  }
  EXPECT_STREQ(buffer, "kept");
}

// Opening a device can act on it (a tape rewinds, a modem hangs up).
TEST(FileText, ADeviceIsNeverOpened) {
  temp_folder folder;
  const fs::path device = folder.path() / "null";
  if (mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) GTEST_SKIP() << "cannot make a device node here";
  const open_events opened(device);
  ASSERT_TRUE(opened.watching());
  char buffer[8] = "kept";
  EXPECT_FALSE(ReadFile(folder.text().c_str(), "null", buffer, sizeof buffer));
  for (int mode : {0, 2}) EXPECT_FALSE(WriteFile(folder.text().c_str(), "null", "x", mode)) << mode;
  EXPECT_EQ(opened.count(), 0);
  EXPECT_STREQ(buffer, "kept");
}

// Where the folder's times step in seconds, a name freed or a folder made
// again within the same second leaves its times as they were: each write
// still takes the first free name.
TEST(WriteFile, NewFileModeTakesTheFirstFreeNameWhereTheClockStepsInSeconds) {
  temp_folder scratch;
  const coarse_clock_mount ext4(scratch);
  if (!ext4.why_not().empty()) GTEST_SKIP() << ext4.why_not();
  const fs::path folder = ext4.path() / "takes";
  const std::string dir = folder.string();
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(WriteFile(dir.c_str(), "a.txt", "x", 1));
  fs::remove(folder / "a(1).txt");
  ASSERT_TRUE(WriteFile(dir.c_str(), "a.txt", "freed", 1));
  EXPECT_EQ(read_bytes(folder / "a(1).txt"), "freed");
  fs::remove_all(folder);
  ASSERT_TRUE(WriteFile(dir.c_str(), "a.txt", "again", 1));
  EXPECT_EQ(names_in(folder), std::vector<std::string>{"a.txt"});
}
#endif
