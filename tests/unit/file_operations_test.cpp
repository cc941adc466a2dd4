// Copy, write, read and list real files in a temporary folder.
#include <gtest/gtest.h>

#ifdef _WIN32
#include "utility/windows_api.hpp"
#undef CopyFile  // the test suite's name, not Windows' function
#else
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "api/text/file_lists.hpp"
#include "api/text/file_operations.hpp"
#include "entry/host_import.hpp"
#include "temp_folder.hpp"
#include "utility/utility.hpp"

using namespace KV_COBALT;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> listed(const std::string& folder, const std::string& extension) {
  std::vector<std::string> list;
  EXPECT_TRUE(GetFilePathList(folder, extension, list));
  std::sort(list.begin(), list.end());
  return list;
}

// Makes a symbolic link, or says why not: mingw's standard library cannot.
std::string link_failure(const fs::path& target, const fs::path& link, bool folder = true) {
  std::error_code error;
  if (folder)
    fs::create_directory_symlink(target, link, error);
  else
    fs::create_symlink(target, link, error);
  return error ? "no symbolic links here: " + error.message() : "";
}

// Puts a folder's modification time a day back, so that any later change to
// its entries shows; gives the time set. mingw's standard library cannot set
// a folder's time.
fs::file_time_type age_folder(const fs::path& folder) {
#ifdef _WIN32
  const HANDLE handle = CreateFileW(folder.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  FILETIME time{};
  GetFileTime(handle, nullptr, nullptr, &time);
  ULARGE_INTEGER ticks{{time.dwLowDateTime, time.dwHighDateTime}};
  ticks.QuadPart -= 24ULL * 3600 * 10000000;  // in 100 ns steps
  time = {ticks.LowPart, ticks.HighPart};
  SetFileTime(handle, nullptr, nullptr, &time);
  CloseHandle(handle);
#else
  fs::last_write_time(folder, fs::last_write_time(folder) - std::chrono::hours(24));
#endif
  return fs::last_write_time(folder);
}

// ReadFile's answer, and the text a host reads back (up to the first NUL)
// from a buffer of the given size that cannot grow.
using answer = std::pair<bool, std::string>;
answer read_back(const temp_folder& folder, const char* name, int size = 256) {
  std::string buffer(256, '\0');
  const bool whole = ReadFile(folder.text().c_str(), name, buffer.data(), size);
  return {whole, buffer.c_str()};
}

// Twenty-one files, each "new" in tree and "old" in kept; their sorted names.
std::vector<std::string> old_and_new_takes(const temp_folder& folder) {
  fs::create_directory(folder.path() / "tree");
  fs::create_directory(folder.path() / "kept");
  std::vector<std::string> names;
  for (int i = 0; i < 21; ++i) {
    names.push_back("take" + std::to_string(i) + ".wav");
    write_bytes(folder.path() / "tree" / names.back(), "new");
    write_bytes(folder.path() / "kept" / names.back(), "old");
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The entry a copy of folder meets last, so that every other one comes before it.
fs::path met_last(const fs::path& folder) {
  fs::path last;
  for (const auto& entry : fs::directory_iterator(folder)) last = entry.path().filename();
  return last;
}

#ifndef _WIN32
constexpr int cannot_mount = 2;

// body's answer, run in a forked child with mounts of its own: what it mounts
// goes with it. cannot_mount where the child gets no mount namespace.
int in_own_mounts(const std::function<int()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    const bool own = (unshare(CLONE_NEWNS) == 0 || unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0) &&
                     mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    _exit(own ? body() : cannot_mount);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}
#endif

}  // namespace

// Sizes and offsets past 2 GiB, which a 32-bit build without 64-bit file
// offsets cannot even list. The file is sparse where the system allows.
TEST(CopyFile, AFileOver2GiBIsListedAndCopiedWhole) {
  temp_folder folder;
  constexpr std::uintmax_t size = (std::uintmax_t{1} << 31) + 3;
  fs::create_directories(folder.path() / "big");
  {
    std::ofstream file(folder.path() / "big/take.wav", std::ios::binary);
    file.seekp(static_cast<std::streamoff>(size - 3));
    file << "end";
  }
  const auto tail_of = [&](const fs::path& file) {
    EXPECT_EQ(fs::file_size(file), size);
    std::ifstream in(file, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(size - 4));
    std::string tail(4, '?');
    in.read(tail.data(), 4);
    return tail;
  };
  EXPECT_EQ(tail_of(folder.path() / "big/take.wav"), std::string("\0end", 4));
  EXPECT_EQ(listed(folder / "big", "wav"), std::vector<std::string>{folder / "big/take.wav"});
  // The copy writes 2 GiB: left to the builds whose offsets were 32 bits wide.
  if (sizeof(void*) == 8) return;
  ASSERT_TRUE(SetCopyFile((folder / "big").c_str(), (folder / "copy").c_str()));
  EXPECT_EQ(names_in(folder.path() / "copy"), std::vector<std::string>{"take.wav"});
  EXPECT_EQ(tail_of(folder.path() / "copy/take.wav"), std::string("\0end", 4));
}

TEST(WriteFile, OverwriteAndAppendModes) {
  temp_folder folder;
  const char* dir = folder.text().c_str();
  ASSERT_TRUE(WriteFile(dir, "a.txt", "abc", 0));
  ASSERT_TRUE(WriteFile(dir, "a.txt", "abc", 0));
  EXPECT_EQ(read_bytes(folder / "a.txt"), "abc");
  ASSERT_TRUE(WriteFile(dir, "b.txt", "abc", 2));
  ASSERT_TRUE(WriteFile(dir, "b.txt", "abc", 2));
  EXPECT_EQ(read_bytes(folder / "b.txt"), "abcabc");
}

TEST(WriteFile, NewFileModeNumbersTheNameAndNeverOverwrites) {
  temp_folder folder;
  const char* dir = folder.text().c_str();
  ASSERT_TRUE(WriteFile(dir, "take.txt", "first", 1));
  ASSERT_TRUE(WriteFile(dir, "take.txt", "second", 1));
  ASSERT_TRUE(WriteFile(dir, "take.txt", "third", 1));
  ASSERT_TRUE(WriteFile(dir, "notes", "n", 1));
  ASSERT_TRUE(WriteFile(dir, "notes", "n1", 1));
  ASSERT_TRUE(WriteFile(dir, "v1.2.wav", "w", 1));
  ASSERT_TRUE(WriteFile(dir, "v1.2.wav", "w1", 1));
#ifdef _WIN32
  const char* numbered_notes = "notes(1)";  // as Win32 stores a name: no trailing dot
#else
  const char* numbered_notes = "notes(1).";
#endif
  EXPECT_EQ(names_in(folder.path()), (std::vector<std::string>{"notes", numbered_notes, "take(1).txt", "take(2).txt",
                                                               "take.txt", "v1.2(1).wav", "v1.2.wav"}));
  EXPECT_EQ(read_bytes(folder / numbered_notes), "n1");
  EXPECT_EQ(read_bytes(folder / "take.txt"), "first");
  EXPECT_EQ(read_bytes(folder / "take(2).txt"), "third");
  fs::create_directory(folder.path() / "dir.txt");  // a taken name, even if not a file
  ASSERT_TRUE(WriteFile(dir, "dir.txt", "d", 1));
  EXPECT_EQ(read_bytes(folder / "dir(1).txt"), "d");
}

// Each write takes the first free name, also after names were freed or taken
// between writes.
TEST(WriteFile, NewFileModeTakesTheFirstFreeNameAfterChanges) {
  temp_folder folder;
  const char* dir = folder.text().c_str();
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(WriteFile(dir, "take.wav", "x", 1));
  fs::remove(folder.path() / "take(1).wav");
  ASSERT_TRUE(WriteFile(dir, "take.wav", "freed", 1));
  EXPECT_EQ(read_bytes(folder / "take(1).wav"), "freed");
  fs::create_directory(folder.path() / "take(4).wav");
  ASSERT_TRUE(WriteFile(dir, "take.wav", "after", 1));
  EXPECT_EQ(read_bytes(folder / "take(5).wav"), "after");
}

TEST(WriteFile, MakesMissingFoldersAndHonoursAbsoluteNames) {
  temp_folder folder;
  const std::string deep = folder / "x/y/z";
  ASSERT_TRUE(WriteFile(deep.c_str(), "f.txt", "deep", 0));
  EXPECT_EQ(read_bytes(deep + "/f.txt"), "deep");
  const std::string absolute = folder / "abs.txt";
  ASSERT_TRUE(WriteFile((folder / "unused").c_str(), absolute.c_str(), "abs", 0));
  EXPECT_EQ(read_bytes(absolute), "abs");
  EXPECT_FALSE(fs::exists(folder / "unused")) << "only the folder the file goes into is made";
}

#ifndef _WIN32
// FIFOs, Unix sockets, /dev and /proc.
// Scripts run on the host's main thread: nothing may wait for the other end of
// a pipe, a socket or a terminal, nor read a device that never ends.
TEST(FileText, OnlyRegularFilesAreOpenedAndTheRestRefusedAtOnce) {
  temp_folder folder;
  ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
  char buffer[8] = "kept";
  EXPECT_FALSE(ReadFile(folder.text().c_str(), "fifo", buffer, sizeof buffer));
  EXPECT_FALSE(WriteFile(folder.text().c_str(), "fifo", "x", 0));
  EXPECT_FALSE(WriteFile(folder.text().c_str(), "fifo", "x", 2));
  const int reader = open((folder / "fifo").c_str(), O_RDONLY | O_NONBLOCK);  // a reader waiting at the other end
  ASSERT_GE(reader, 0);
  EXPECT_FALSE(WriteFile(folder.text().c_str(), "fifo", "x", 0));
  EXPECT_FALSE(WriteFile(folder.text().c_str(), "fifo", "x", 2));
  close(reader);
  const int socket_fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socket_path = folder / "socket";
  ASSERT_LT(socket_path.size(), sizeof address.sun_path);
  std::copy(socket_path.begin(), socket_path.end(), address.sun_path);
  ASSERT_EQ(bind(socket_fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(socket_fd, 1), 0);
  EXPECT_FALSE(ReadFile(folder.text().c_str(), "socket", buffer, sizeof buffer));
  EXPECT_FALSE(WriteFile(folder.text().c_str(), "socket", "x", 0));
  close(socket_fd);
  for (const char* device : {"ptmx", "zero", "null", "tty"}) {
    EXPECT_FALSE(ReadFile("/dev", device, buffer, sizeof buffer)) << device;
    EXPECT_FALSE(WriteFile("/dev", device, "x", 2)) << device;
  }
  EXPECT_STREQ(buffer, "kept");
  EXPECT_FALSE(ReadFile("/proc/self", "status", buffer, sizeof buffer)) << "longer than the buffer";
  EXPECT_EQ(std::string(buffer).substr(0, 6), "Name:\t");
}
#endif

#ifdef _WIN32
// Windows maps these names, with any extension, in any case and in any folder,
// to devices: a write would vanish or reach a serial port, a read never end.
TEST(FileText, NamesWindowsSendsToDevicesAreRefused) {
  temp_folder folder;
  const char* dir = folder.text().c_str();
  write_bytes(folder / "source.txt", "s");
  char buffer[8] = "kept";
  for (const char* name : {"nul", "nul.txt", "NUL.wav", "aux", "com1.txt", "Con .txt", "lpt3", "sub\\prn.txt"}) {
    for (int mode : {0, 1, 2}) EXPECT_FALSE(WriteFile(dir, name, "x", mode)) << name << " mode " << mode;
    EXPECT_FALSE(ReadFile(dir, name, buffer, sizeof buffer)) << name;
    EXPECT_FALSE(SetCopyFile((folder / "source.txt").c_str(), (folder / name).c_str())) << name;
    EXPECT_FALSE(SetCopyFile((folder / name).c_str(), (folder / "copy.txt").c_str())) << name;
  }
  EXPECT_FALSE(ReadFile("\\\\.", "COM7", buffer, sizeof buffer)) << "the device namespace";
  EXPECT_STREQ(buffer, "kept");
  EXPECT_EQ(names_in(folder.path()), (std::vector<std::string>{"source.txt"}));
}

// Win32 drops trailing dots and spaces when it makes a folder: the file goes
// into the folder made, with no stray folder left.
TEST(WriteFile, FolderNamesAreMadeAsWindowsStoresThem) {
  temp_folder folder;
  ASSERT_TRUE(WriteFile((folder / "Vox ").c_str(), "take.txt", "v", 0));
  ASSERT_TRUE(WriteFile((folder / "Bus..").c_str(), "mix.txt", "b", 1));
  EXPECT_EQ(read_bytes(folder / "Vox/take.txt"), "v");
  EXPECT_EQ(read_bytes(folder / "Bus/mix.txt"), "b");
  EXPECT_EQ(names_in(folder.path()), (std::vector<std::string>{"Bus", "Vox"}));
  EXPECT_EQ(read_back(folder, "Vox \\take.txt"), answer(true, "v\n"));
  EXPECT_FALSE(WriteFile((folder / "...").c_str(), "x.txt", "x", 0)) << "a name of dots alone";
}
#endif

TEST(WriteFile, RefusesUnknownModesAndUnwritableTargets) {
  temp_folder folder;
  for (int mode : {3, -1, 1000}) EXPECT_FALSE(WriteFile((folder / "never").c_str(), "m.txt", "x", mode)) << mode;
  EXPECT_FALSE(fs::exists(folder / "never")) << "an unknown mode makes no folder";
  write_bytes(folder / "file", "a file");
  EXPECT_FALSE(WriteFile((folder / "file").c_str(), "inner.txt", "x", 0)) << "a file where the folder belongs";
  EXPECT_FALSE(WriteFile((folder / "file/sub").c_str(), "inner.txt", "x", 0)) << "folder cannot be made";
  EXPECT_FALSE(WriteFile(folder.text().c_str(), "", "x", 1)) << "a folder is no file";
}

TEST(ReadFile, EveryLineEndsWithALineFeedAndCarriageReturnsStay) {
  temp_folder folder;
  write_bytes(folder / "crlf.txt", "a\r\nb");
  write_bytes(folder / "ended.txt", "a\n\n");
  write_bytes(folder / "empty.txt", "");
  EXPECT_EQ(read_back(folder, "crlf.txt"), answer(true, "a\r\nb\n"));
  EXPECT_EQ(read_back(folder, "ended.txt"), answer(true, "a\n\n"));
  EXPECT_EQ(read_back(folder, "empty.txt"), answer(true, ""));
}

// A script that edits a file and writes it back must know when it got only
// a part: then the answer is false, and the buffer holds the start.
TEST(ReadFile, FalseWithTheStartWhenTheTextDoesNotComeBackWholeAndTheBufferAloneOnFailure) {
  temp_folder folder;
  write_bytes(folder / "long.txt", "abcdef");
  EXPECT_EQ(read_back(folder, "long.txt", 4), answer(false, "abc"));
  EXPECT_EQ(read_back(folder, "long.txt", 7), answer(false, "abcdef")) << "the last line feed did not fit";
  EXPECT_EQ(read_back(folder, "long.txt", 8), answer(true, "abcdef\n"));
  write_bytes(folder / "ended.txt", "abcdef\n");
  EXPECT_EQ(read_back(folder, "ended.txt", 8), answer(true, "abcdef\n")) << "exactly fills the buffer";
  // Not "nul.txt": Windows gives that name to a device.
  write_bytes(folder / "inner-nul.txt", std::string("a\0b\n", 4));
  EXPECT_EQ(read_back(folder, "inner-nul.txt"), answer(false, "a")) << "read up to the NUL";
  char buffer[8] = "kept";
  EXPECT_FALSE(ReadFile(folder.text().c_str(), "long.txt", buffer, 0));
  EXPECT_STREQ(buffer, "kept");
  EXPECT_FALSE(ReadFile(folder.text().c_str(), "missing.txt", buffer, sizeof buffer));
  EXPECT_FALSE(ReadFile(folder.text().c_str(), "", buffer, sizeof buffer)) << "a folder reads as no file";
  EXPECT_STREQ(buffer, "kept");
  EXPECT_FALSE(ReadFile(folder.text().c_str(), "long.txt", nullptr, 100));
}

namespace {

// A host that grows NeedBig buffers, and in doing so appends to a file: the
// file grows after the read took its size and before it reads the bytes.
std::string growing_file, grown_buffer;
bool grow_and_append(char** buffer, int* size, int wanted) {
  std::ofstream(growing_file, std::ios::binary | std::ios::app) << "late line\n";
  grown_buffer.assign(static_cast<std::size_t>(wanted), '\0');
  *buffer = grown_buffer.data();
  *size = wanted;
  return true;
}

}  // namespace

TEST(ReadFile, AFileThatGrowsWhileItIsReadIsNotWhole) {
  temp_folder folder;
  growing_file = folder / "growing.txt";
  write_bytes(growing_file, "first line\n");
  host::realloc_cmd_ptr.resolve(reinterpret_cast<void*>(&grow_and_append));
  char small[4] = "";
  const bool whole = ReadFile(folder.text().c_str(), "growing.txt", small, sizeof small);
  host::realloc_cmd_ptr.resolve(nullptr);
  EXPECT_FALSE(whole) << "answered with its old length";
  EXPECT_EQ(read_bytes(growing_file), "first line\nlate line\n");
}

TEST(CopyFile, CopiesOverAnExistingFileAndWholeTrees) {
  temp_folder folder;
  write_bytes(folder / "source.txt", "new");
  write_bytes(folder / "target.txt", "old and longer");
  ASSERT_TRUE(SetCopyFile((folder / "source.txt").c_str(), (folder / "target.txt").c_str()));
  EXPECT_EQ(read_bytes(folder / "target.txt"), "new");

  fs::create_directories(folder.path() / "tree/inner/deeper");
  write_bytes(folder / "tree/top.wav", "t");
  write_bytes(folder / "tree/inner/deeper/low.wav", "l");
  ASSERT_TRUE(SetCopyFile((folder / "tree").c_str(), (folder / "copy").c_str()));
  EXPECT_EQ(read_bytes(folder / "copy/top.wav"), "t");
  EXPECT_EQ(read_bytes(folder / "copy/inner/deeper/low.wav"), "l");
  write_bytes(folder / "tree/top.wav", "changed");
  ASSERT_TRUE(SetCopyFile((folder / "tree").c_str(), (folder / "copy").c_str())) << "again, over the copy";
  EXPECT_EQ(read_bytes(folder / "copy/top.wav"), "changed");

  // Many files replaced in one folder, each through a temporary name of its own.
  fs::create_directories(folder.path() / "many");
  for (int i = 0; i < 150; ++i) write_bytes(folder / ("many/" + std::to_string(i) + ".txt"), "old");
  ASSERT_TRUE(SetCopyFile((folder / "many").c_str(), (folder / "many copy").c_str()));
  for (int i = 0; i < 150; ++i) write_bytes(folder / ("many/" + std::to_string(i) + ".txt"), "new");
  ASSERT_TRUE(SetCopyFile((folder / "many").c_str(), (folder / "many copy").c_str())) << "150 files replaced";
  EXPECT_EQ(read_bytes(folder / "many copy/149.txt"), "new");
}

// Temporaries a killed copy left behind, or a file of the user's that carries
// such a name, neither stop a later copy nor are touched by it.
TEST(CopyFile, TemporariesAlreadyInTheTargetAreLeftAlone) {
  temp_folder folder;
  fs::create_directories(folder.path() / "many");
  fs::create_directories(folder.path() / "copy");
  for (int i = 0; i < 30; ++i) {
    write_bytes(folder / ("many/" + std::to_string(i) + ".txt"), "new");
    write_bytes(folder / ("copy/" + std::to_string(i) + ".txt"), "old");
  }
  const auto left = [](int i) { return ".kv-copy-" + std::to_string(i) + ".tmp"; };
  for (int i = 0; i < 110; ++i) write_bytes(folder.path() / "copy" / left(i), "left " + std::to_string(i));
  ASSERT_TRUE(SetCopyFile((folder / "many/0.txt").c_str(), (folder / "copy/0.txt").c_str())) << "one file";
  ASSERT_TRUE(SetCopyFile((folder / "many").c_str(), (folder / "copy").c_str())) << "a whole folder";
  for (int i = 0; i < 30; ++i) EXPECT_EQ(read_bytes(folder / ("copy/" + std::to_string(i) + ".txt")), "new") << i;
  for (int i = 0; i < 110; ++i) EXPECT_EQ(read_bytes(folder.path() / "copy" / left(i)), "left " + std::to_string(i));
  EXPECT_EQ(names_in(folder.path() / "copy").size(), 140u) << "no temporary of its own stays";
}

TEST(CopyFile, FailuresAreFalse) {
  temp_folder folder;
  fs::create_directories(folder.path() / "tree/inner");
  EXPECT_FALSE(SetCopyFile((folder / "missing").c_str(), (folder / "x").c_str()));
  EXPECT_FALSE(SetCopyFile("", ""));
  EXPECT_FALSE(SetCopyFile((folder / "tree").c_str(), (folder / "tree/inner/copy").c_str()));
  EXPECT_FALSE(SetCopyFile((folder / "tree/").c_str(), (folder / "tree/copy").c_str()));
  EXPECT_FALSE(fs::exists(folder / "tree/inner/copy")) << "a folder is never copied into itself";
  EXPECT_FALSE(fs::exists(folder / "tree/copy"));
}

// A refusal comes before anything is written: the files already in the inner
// folder, and the folder itself, are as they were.
TEST(CopyFile, AFolderTwoLevelsInsideItselfIsRefusedAtOnce) {
  temp_folder folder;
  const fs::path inner = folder.path() / "tree/a/b";
  fs::create_directories(inner);
  for (int i = 0; i < 20; ++i) {
    const std::string name = "take" + std::to_string(i) + ".wav";
    write_bytes(folder.path() / "tree" / name, "outer");
    write_bytes(inner / name, "inner");
  }
  const auto long_ago = age_folder(inner);
  EXPECT_FALSE(SetCopyFile((folder / "tree").c_str(), (folder / "tree/a/b").c_str()));
  EXPECT_FALSE(SetCopyFile((folder / "tree").c_str(), (folder / "tree/a/b/new").c_str()));
  EXPECT_EQ(fs::last_write_time(inner), long_ago) << "nothing was made or taken back in it";
  EXPECT_EQ(names_in(inner).size(), 20u);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(read_bytes(inner / ("take" + std::to_string(i) + ".wav")), "inner") << i;
}

// The \\?\ prefix and letter case give the source other names; identity
// still knows it, before anything is written.
TEST(CopyFile, ExtendedNamesInAnotherCaseAreStillTheSource) {
  temp_folder folder;
  const fs::path song = folder.path() / "x/Song1";
  fs::create_directories(song);
  write_bytes(song / "a.wav", "a");
#ifdef _WIN32
  const std::string extended = "\\\\?\\" + folder.text(), separator = "\\";
#else
  const std::string extended = folder.text(), separator = "/";
#endif
  std::string upper = extended;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
  const std::string source = extended + separator + "x" + separator + "Song1";
  const auto long_ago = age_folder(song);
#ifdef _WIN32
  EXPECT_FALSE(SetCopyFile(source.c_str(), (upper + "\\X\\SONG1\\INSIDE").c_str()));
  EXPECT_FALSE(SetCopyFile(source.c_str(), (folder / "X\\SONG1").c_str()));
#endif
  EXPECT_FALSE(SetCopyFile(source.c_str(), (source + separator + "inside").c_str()));
  EXPECT_EQ(fs::last_write_time(song), long_ago) << "nothing was written into the source";
  EXPECT_EQ(names_in(song), (std::vector<std::string>{"a.wav"}));
  ASSERT_TRUE(SetCopyFile(source.c_str(), (extended + separator + "beside").c_str()));
  EXPECT_EQ(read_bytes(folder / "beside/a.wav"), "a");
}

// Paths past Windows' old 260-character limit.
TEST(CopyFile, ATreeDeeperThanTheOldPathLimitArrivesWhole) {
  temp_folder folder;
  fs::path relative = "tree";
  for (char level = 'a'; level < 'i'; ++level) relative /= std::string(40, level);
  fs::create_directories(folder.path() / relative);
  write_bytes(folder.path() / relative / "deepest.wav", "d");
  ASSERT_GT((folder.path() / relative).native().size(), 300u);
  ASSERT_TRUE(SetCopyFile((folder / "tree").c_str(), (folder / "copy").c_str()));
  const fs::path copied = folder.path() / "copy" / relative.lexically_relative("tree");
  EXPECT_EQ(listed(folder / "copy", "wav"),
            (std::vector<std::string>{kv_utility::utf8_from_path(copied / "deepest.wav")}));
  EXPECT_EQ(read_bytes(copied / "deepest.wav"), "d");
  // mingw's remove_all cannot list folders that deep: taken down level by level.
  for (fs::path top : {fs::path("tree"), fs::path("copy")}) {
    fs::path level = folder.path() / top / relative.lexically_relative("tree");
    fs::remove(level / "deepest.wav");
    for (; level != folder.path(); level = level.parent_path()) fs::remove(level);
  }
}

// The working folder is the copy's own folder: a relative target lands inside
// the copied folder and would nest copies until the disk is full.
TEST(CopyFile, RelativeAndDottedTargetsInsideTheSourceAreRefused) {
  temp_folder folder;
  const fs::path project = folder.path() / "proj";
  fs::create_directories(project / "audio");
  for (int i = 0; i < 10; ++i) write_bytes(project / "audio" / ("take" + std::to_string(i) + ".wav"), "x");
  const fs::path before = fs::current_path();
  fs::current_path(project / "audio");
  const bool relative = SetCopyFile(kv_utility::utf8_from_path(project).c_str(), "backup");
  const bool dotted = SetCopyFile(kv_utility::utf8_from_path(project).c_str(), "../audio/./backup2");
  const bool outside = SetCopyFile(kv_utility::utf8_from_path(project / "audio").c_str(), "../../elsewhere");
  fs::current_path(before);
  EXPECT_FALSE(relative);
  EXPECT_FALSE(dotted);
  EXPECT_EQ(names_in(project / "audio").size(), 10u) << "nothing was written";
  EXPECT_TRUE(outside);
  EXPECT_EQ(names_in(folder.path() / "elsewhere").size(), 10u);
}

TEST(CopyFile, ALinkToTheSourceInTheTargetIsTheSource) {
  temp_folder folder;
  fs::create_directories(folder.path() / "src/inner");
  write_bytes(folder / "src/inner/a.wav", "a");
  if (const std::string failure = link_failure("src", folder.path() / "link_to_src"); !failure.empty())
    GTEST_SKIP() << failure;
  EXPECT_FALSE(SetCopyFile((folder / "src").c_str(), (folder / "link_to_src/inside").c_str()));
  EXPECT_EQ(names_in(folder.path() / "src"), (std::vector<std::string>{"inner"})) << "nothing was written";
  EXPECT_TRUE(SetCopyFile((folder / "src").c_str(), (folder / "beside").c_str()));
  EXPECT_EQ(read_bytes(folder / "beside/inner/a.wav"), "a");
  // The source named through the link, the target inside the folder it names.
  const auto long_ago = age_folder(folder.path() / "src/inner");
  EXPECT_FALSE(SetCopyFile((folder / "link_to_src").c_str(), (folder / "src/inner/backup").c_str()));
  EXPECT_EQ(fs::last_write_time(folder.path() / "src/inner"), long_ago) << "nothing was written";
  EXPECT_EQ(names_in(folder.path() / "src/inner"), (std::vector<std::string>{"a.wav"}));
}

#ifndef _WIN32
// A bind mount gives a folder a second name that no spelling reveals, as letter
// case does on macOS and Windows.
TEST(CopyFile, TheSourceMountedUnderAnotherNameIsTheSource) {
  temp_folder folder;
  fs::create_directories(folder.path() / "src/inner");
  fs::create_directory(folder.path() / "mirror");
  const std::string src = folder / "src", mirror = folder / "mirror";
  const int status = in_own_mounts([&] {
    if (mount(src.c_str(), mirror.c_str(), nullptr, MS_BIND, nullptr) != 0) return cannot_mount;
    const bool onto = SetCopyFile(src.c_str(), mirror.c_str());
    const bool into = SetCopyFile(src.c_str(), (mirror + "/inside").c_str());
    return onto || into ? 1 : 0;
  });
  if (status == cannot_mount) GTEST_SKIP() << "no mount namespace here";
  EXPECT_EQ(status, 0) << "copied into itself";
  EXPECT_EQ(names_in(folder.path() / "src"), (std::vector<std::string>{"inner"}));
}

// Every tmpfs numbers its root 1: the same number on two file systems is two
// folders, and a copy from one into the other is allowed.
TEST(CopyFile, TheSameInodeNumberOnAnotherFileSystemIsAnotherFolder) {
  temp_folder folder;
  fs::create_directory(folder.path() / "one");
  fs::create_directory(folder.path() / "two");
  const std::string one = folder / "one", two = folder / "two";
  constexpr int other_numbers = 3;
  const int status = in_own_mounts([&] {
    if (mount("kv", one.c_str(), "tmpfs", 0, nullptr) != 0 || mount("kv", two.c_str(), "tmpfs", 0, nullptr) != 0)
      return cannot_mount;
    struct stat first {
    }, second{};
    if (stat(one.c_str(), &first) != 0 || stat(two.c_str(), &second) != 0 || first.st_ino != second.st_ino)
      return other_numbers;
    write_bytes(one + "/a.wav", "a");
    const bool copied = SetCopyFile(one.c_str(), (two + "/inside").c_str());
    return copied && read_bytes(two + "/inside/a.wav") == "a" ? 0 : 1;
  });
  if (status == cannot_mount) GTEST_SKIP() << "no tmpfs mounts here";
  if (status == other_numbers) GTEST_SKIP() << "these tmpfs roots have different inode numbers";
  EXPECT_EQ(status, 0) << "taken for the same folder";
}
#endif

TEST(CopyFile, LinksAreCopiedAsLinks) {
  temp_folder folder;
  fs::create_directories(folder.path() / "tree/sub");
  write_bytes(folder / "tree/sub/a.wav", "a");
  // A link to a parent folder, and one to a file.
  if (const std::string failure = link_failure("..", folder.path() / "tree/sub/up"); !failure.empty())
    GTEST_SKIP() << failure;
  ASSERT_EQ(link_failure("a.wav", folder.path() / "tree/sub/alias.wav", false), "");
  ASSERT_TRUE(SetCopyFile((folder / "tree").c_str(), (folder / "copy").c_str()));
  EXPECT_TRUE(fs::is_symlink(folder.path() / "copy/sub/up"));
  EXPECT_EQ(fs::read_symlink(folder.path() / "copy/sub/up"), "..");
  EXPECT_EQ(fs::read_symlink(folder.path() / "copy/sub/alias.wav"), "a.wav");
  EXPECT_EQ(read_bytes(folder / "copy/sub/alias.wav"), "a");
}

// A file that cannot be read in the middle of a tree: a FIFO on POSIX, a file
// open without sharing on Windows. Holds it for the test's length.
class unreadable_file {
 public:
  explicit unreadable_file(const fs::path& path) {
#ifdef _WIN32
    handle_ = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    made_ = handle_ != INVALID_HANDLE_VALUE;
#else
    made_ = mkfifo(path.c_str(), 0600) == 0;
#endif
  }
  ~unreadable_file() {
#ifdef _WIN32
    if (made_) CloseHandle(handle_);
#endif
  }
  unreadable_file(const unreadable_file&) = delete;
  unreadable_file& operator=(const unreadable_file&) = delete;
  bool made() const { return made_; }

 private:
  bool made_ = false;
#ifdef _WIN32
  HANDLE handle_ = INVALID_HANDLE_VALUE;
#endif
};

// A failed copy leaves no partial tree, and the target as it was: what it
// made is taken back, and files it would replace keep their text.
TEST(CopyFile, AFailedCopyLeavesTheTargetAsItWas) {
  temp_folder folder;
  fs::create_directories(folder.path() / "tree/a/b");
  const std::vector<std::string> names = {"1.wav", "a/2.wav", "a/b/3.wav", "a/b/4.wav", "a/5.wav"};
  for (const std::string& name : names) write_bytes(folder / ("tree/" + name), "new");
  const unreadable_file blocker(folder.path() / "tree/a/b/blocker");
  ASSERT_TRUE(blocker.made());
  EXPECT_FALSE(SetCopyFile((folder / "tree").c_str(), (folder / "fresh").c_str()));
  EXPECT_FALSE(fs::exists(folder / "fresh"));
  fs::create_directories(folder.path() / "kept/a/b");
  for (const std::string& name : names) write_bytes(folder / ("kept/" + name), "old");
  write_bytes(folder / "kept/a/own.txt", "own");
  EXPECT_FALSE(SetCopyFile((folder / "tree").c_str(), (folder / "kept").c_str()));
  for (const std::string& name : names) EXPECT_EQ(read_bytes(folder / ("kept/" + name)), "old") << name;
  EXPECT_EQ(names_in(folder.path() / "kept"), (std::vector<std::string>{"1.wav", "a"}));
  EXPECT_EQ(names_in(folder.path() / "kept/a"), (std::vector<std::string>{"2.wav", "5.wav", "b", "own.txt"}));
  EXPECT_EQ(names_in(folder.path() / "kept/a/b"), (std::vector<std::string>{"3.wav", "4.wav"}));
}

// A link the target already holds, to a folder elsewhere, is the user's: a
// copy through it that fails takes back what it put there, not the link.
TEST(CopyFile, AFailedCopyKeepsALinkTheTargetHeld) {
  temp_folder folder;
  fs::create_directories(folder.path() / "src/Media");
  fs::create_directories(folder.path() / "dst");
  fs::create_directories(folder.path() / "outside");
  write_bytes(folder / "outside/mine.wav", "mine");
  write_bytes(folder / "src/Media/a.wav", "a");
  if (const std::string failure = link_failure("../outside", folder.path() / "dst/Media"); !failure.empty())
    GTEST_SKIP() << failure;
  const unreadable_file blocker(folder.path() / "src/Media/blocker");
  ASSERT_TRUE(blocker.made());
  EXPECT_FALSE(SetCopyFile((folder / "src").c_str(), (folder / "dst").c_str()));
  EXPECT_TRUE(fs::is_symlink(folder.path() / "dst/Media"));
  EXPECT_EQ(names_in(folder.path() / "outside"), (std::vector<std::string>{"mine.wav"}));
}

// A read-only file in the target is not replaced, on any platform (Windows
// will not): the copy answers false and changes nothing.
TEST(CopyFile, AReadOnlyFileInTheTargetIsNeverReplaced) {
  temp_folder folder;
  const auto takes = old_and_new_takes(folder);
  const fs::path locked = folder.path() / "kept" / takes[10];
  fs::permissions(locked, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const bool file = SetCopyFile((folder / "tree/take0.wav").c_str(), kv_utility::utf8_from_path(locked).c_str());
  const bool tree = SetCopyFile((folder / "tree").c_str(), (folder / "kept").c_str());
  fs::permissions(locked, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_FALSE(file);
  EXPECT_FALSE(tree);
  for (const std::string& name : takes) EXPECT_EQ(read_bytes(folder.path() / "kept" / name), "old") << name;
  EXPECT_EQ(names_in(folder.path() / "kept"), takes) << "no temporary stays";
}

#ifndef _WIN32
// A file the system will not let go of (a mount point here; another user's
// file in a shared sticky folder in practice), met after the others were
// replaced: they are all put back, and no temporary stays.
TEST(CopyFile, AReplacementRefusedAtTheEndPutsBackThoseBeforeIt) {
  temp_folder folder;
  const auto takes = old_and_new_takes(folder);
  const std::string pinned = kv_utility::utf8_from_path(folder.path() / "kept" / met_last(folder.path() / "tree"));
  const int status = in_own_mounts([&] {
    if (mount(pinned.c_str(), pinned.c_str(), nullptr, MS_BIND, nullptr) != 0) return cannot_mount;
    return SetCopyFile((folder / "tree").c_str(), (folder / "kept").c_str()) ? 1 : 0;
  });
  if (status == cannot_mount) GTEST_SKIP() << "no mount namespace here";
  EXPECT_EQ(status, 0) << "answered true";
  for (const std::string& name : takes) EXPECT_EQ(read_bytes(folder.path() / "kept" / name), "old") << name;
  EXPECT_EQ(names_in(folder.path() / "kept"), takes) << "no temporary stays";
}
#endif

#ifndef _WIN32
// In a shared folder with the sticky bit, another user's file cannot be
// replaced: the copy finds that out before it replaces anything.
TEST(CopyFile, AnotherUsersFileInAStickyFolderLeavesTheTargetAsItWas) {
  if (geteuid() != 0) GTEST_SKIP() << "only the superuser can give files to another user";
  temp_folder folder;
  const auto takes = old_and_new_takes(folder);
  constexpr uid_t other = 65534;
  const fs::path kept = folder.path() / "kept";
  fs::permissions(kept, fs::perms::all | fs::perms::sticky_bit);
  const fs::path theirs = kept / met_last(folder.path() / "tree");
  for (const std::string& name : takes) {
    if (kept / name == theirs) continue;
    ASSERT_EQ(chown((kept / name).c_str(), other, other), 0);
  }
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (setgid(other) != 0 || setuid(other) != 0) _exit(2);
    _exit(SetCopyFile((folder / "tree").c_str(), (folder / "kept").c_str()) ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "answered true, or could not become another user";
  for (const std::string& name : takes) EXPECT_EQ(read_bytes(kept / name), "old") << name;
  EXPECT_EQ(names_in(kept), takes) << "no temporary stays";
}
#endif

#ifdef _WIN32
// A file another program holds open without sharing (REAPER playing it) cannot
// be moved; met after the others were replaced, it has them all put back, also
// over copies of read-only files, which Windows moves nothing over.
TEST(CopyFile, AFileHeldOpenAtTheEndPutsBackThoseBeforeIt) {
  temp_folder folder;
  const auto takes = old_and_new_takes(folder);
  const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  for (const std::string& name : takes)
    fs::permissions(folder.path() / "tree" / name, writable, fs::perm_options::remove);
  const fs::path held_name = folder.path() / "kept" / met_last(folder.path() / "tree");
  const HANDLE held = CreateFileW(held_name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const bool copied = SetCopyFile((folder / "tree").c_str(), (folder / "kept").c_str());
  CloseHandle(held);
  for (const std::string& name : takes) fs::permissions(folder.path() / "tree" / name, writable, fs::perm_options::add);
  EXPECT_FALSE(copied);
  for (const std::string& name : takes) EXPECT_EQ(read_bytes(folder.path() / "kept" / name), "old") << name;
  EXPECT_EQ(names_in(folder.path() / "kept"), takes) << "no temporary stays";
}
#endif

TEST(FilePathList, MatchesTheExtensionWithoutCaseAtAnyDepth) {
  temp_folder folder;
  fs::create_directories(folder.path() / "sub/z.wav");
  write_bytes(folder / "x.wav", "");
  write_bytes(folder / "sub/y.Wav", "");
  write_bytes(folder / "sub/z.wav/inside.WAV", "");
  write_bytes(folder / "sub/other.txt", "");
  write_bytes(folder / "sub/wav", "");
  write_bytes(folder / "sub/.wav", "");  // a hidden name, without extension
  const std::vector<std::string> expected = {folder / "sub/y.Wav", folder / "sub/z.wav",
                                             folder / "sub/z.wav/inside.WAV", folder / "x.wav"};
  EXPECT_EQ(listed(folder.path().string(), "WAV"), expected);
  EXPECT_EQ(listed(folder.path().string(), "wav"), expected);
  EXPECT_TRUE(listed(folder.path().string(), ".wav").empty());
}

TEST(FilePathList, AppendsAndFailsOnlyForAMissingFolder) {
  temp_folder folder;
  write_bytes(folder / "a.txt", "");
  std::vector<std::string> list = {"kept"};
  EXPECT_TRUE(GetFilePathList(folder.path().string(), "txt", list));
  EXPECT_EQ(list, (std::vector<std::string>{"kept", folder / "a.txt"}));
  EXPECT_FALSE(GetFilePathList(folder / "missing", "txt", list));
  EXPECT_FALSE(GetFilePathList(folder / "a.txt", "txt", list));
  EXPECT_FALSE(GetFilePathList("", "txt", list));
  EXPECT_EQ(list.size(), 2u);
}

TEST(FilePathList, LinksToFoldersAreNotFollowed) {
  temp_folder folder;
  fs::create_directories(folder.path() / "real");
  write_bytes(folder / "real/a.wav", "");
  if (const std::string failure = link_failure(folder.path(), folder.path() / "real/loop"); !failure.empty())
    GTEST_SKIP() << failure;
  EXPECT_EQ(listed(folder.path().string(), "wav"), (std::vector<std::string>{folder / "real/a.wav"}));
}

#ifndef _WIN32
// Paths past the limit made with openat; permissions.
// A folder the system refuses to open, even for the superuser: its path is
// longer than any path the system accepts.
TEST(FilePathList, UnreadableFolderIsSkippedAndTheWalkGoesOn) {
  temp_folder folder;
  fs::create_directories(folder.path() / "deep");
  write_bytes(folder / "after.wav", "");
  const std::string level(200, 'd');
  int at = open((folder / "deep").c_str(), O_DIRECTORY);
  ASSERT_GE(at, 0);
  for (int i = 0; i < 25; ++i) {
    ASSERT_EQ(mkdirat(at, level.c_str(), 0700), 0);
    int inner = openat(at, level.c_str(), O_DIRECTORY);
    close(at);
    ASSERT_GE(inner, 0);
    at = inner;
  }
  close(openat(at, "lost.wav", O_CREAT | O_WRONLY, 0600));
  close(at);
  if (geteuid() != 0) {
    fs::create_directory(folder.path() / "locked");
    write_bytes(folder / "locked/hidden.wav", "");
    chmod((folder / "locked").c_str(), 0);
  }
  EXPECT_EQ(listed(folder.path().string(), "wav"), (std::vector<std::string>{folder / "after.wav"}));
  chmod((folder / "locked").c_str(), 0700);
  // The standard removal cannot reach that deep either.
  EXPECT_EQ(std::system(("rm -rf " + kv_utility::shell_quote(folder / "deep")).c_str()), 0);
}
#endif
