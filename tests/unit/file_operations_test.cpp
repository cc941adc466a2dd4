// Copy, write, read and list real files in a temporary folder.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "api/text/file_lists.hpp"
#include "api/text/file_operations.hpp"
#include "temp_folder.hpp"
#include "utility/utility.hpp"

using namespace KV_COBALT;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> names_in(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> listed(const std::string& folder, const std::string& extension) {
  std::vector<std::string> list;
  EXPECT_TRUE(GetFilePathList(folder, extension, list));
  std::sort(list.begin(), list.end());
  return list;
}

// read_back of a file through ReadFile, with a buffer of the given size.
std::string read_back(const temp_folder& folder, const char* name, int size = 256) {
  std::string buffer(256, '\0');
  EXPECT_TRUE(ReadFile(folder.path().c_str(), name, buffer.data(), size));
  return buffer.c_str();
}

}  // namespace

TEST(WriteFile, OverwriteAndAppendModes) {
  temp_folder folder;
  const char* dir = folder.path().c_str();
  ASSERT_TRUE(WriteFile(dir, "a.txt", "abc", 0));
  ASSERT_TRUE(WriteFile(dir, "a.txt", "abc", 0));
  EXPECT_EQ(read_bytes(folder / "a.txt"), "abc");
  ASSERT_TRUE(WriteFile(dir, "b.txt", "abc", 2));
  ASSERT_TRUE(WriteFile(dir, "b.txt", "abc", 2));
  EXPECT_EQ(read_bytes(folder / "b.txt"), "abcabc");
}

TEST(WriteFile, NewFileModeNumbersTheNameAndNeverOverwrites) {
  temp_folder folder;
  const char* dir = folder.path().c_str();
  ASSERT_TRUE(WriteFile(dir, "take.txt", "first", 1));
  ASSERT_TRUE(WriteFile(dir, "take.txt", "second", 1));
  ASSERT_TRUE(WriteFile(dir, "take.txt", "third", 1));
  ASSERT_TRUE(WriteFile(dir, "notes", "n", 1));
  ASSERT_TRUE(WriteFile(dir, "notes", "n1", 1));
  ASSERT_TRUE(WriteFile(dir, "v1.2.wav", "w", 1));
  ASSERT_TRUE(WriteFile(dir, "v1.2.wav", "w1", 1));
  EXPECT_EQ(names_in(folder.path()), (std::vector<std::string>{"notes", "notes(1).", "take(1).txt", "take(2).txt",
                                                               "take.txt", "v1.2(1).wav", "v1.2.wav"}));
  EXPECT_EQ(read_bytes(folder / "take.txt"), "first");
  EXPECT_EQ(read_bytes(folder / "take(2).txt"), "third");
  fs::create_directory(folder.path() / "dir.txt");  // a taken name, even if not a file
  ASSERT_TRUE(WriteFile(dir, "dir.txt", "d", 1));
  EXPECT_EQ(read_bytes(folder / "dir(1).txt"), "d");
}

TEST(WriteFile, MakesMissingFoldersAndHonoursAbsoluteNames) {
  temp_folder folder;
  const std::string deep = folder / "x/y/z";
  ASSERT_TRUE(WriteFile(deep.c_str(), "f.txt", "deep", 0));
  EXPECT_EQ(read_bytes(deep + "/f.txt"), "deep");
  const std::string absolute = folder / "abs.txt";
  ASSERT_TRUE(WriteFile((folder / "unused").c_str(), absolute.c_str(), "abs", 0));
  EXPECT_EQ(read_bytes(absolute), "abs");
}

TEST(WriteFile, RefusesUnknownModesAndUnwritableTargets) {
  temp_folder folder;
  for (int mode : {3, -1, 1000})
    EXPECT_FALSE(WriteFile((folder / "never").c_str(), "m.txt", "x", mode)) << mode;
  EXPECT_FALSE(fs::exists(folder / "never")) << "an unknown mode makes no folder";
  write_bytes(folder / "file", "a file");
  EXPECT_FALSE(WriteFile((folder / "file").c_str(), "inner.txt", "x", 0)) << "a file where the folder belongs";
  EXPECT_FALSE(WriteFile((folder / "file/sub").c_str(), "inner.txt", "x", 0)) << "folder cannot be made";
  EXPECT_FALSE(WriteFile(folder.path().c_str(), "", "x", 1)) << "a folder is no file";
}

TEST(ReadFile, EveryLineEndsWithALineFeedAndCarriageReturnsStay) {
  temp_folder folder;
  write_bytes(folder / "crlf.txt", "a\r\nb");
  write_bytes(folder / "ended.txt", "a\n\n");
  write_bytes(folder / "empty.txt", "");
  EXPECT_EQ(read_back(folder, "crlf.txt"), "a\r\nb\n");
  EXPECT_EQ(read_back(folder, "ended.txt"), "a\n\n");
  EXPECT_EQ(read_back(folder, "empty.txt"), "");
}

TEST(ReadFile, CutsToTheBufferAndLeavesItAloneOnFailure) {
  temp_folder folder;
  write_bytes(folder / "long.txt", "abcdef");
  EXPECT_EQ(read_back(folder, "long.txt", 4), "abc");
  EXPECT_EQ(read_back(folder, "long.txt", 7), "abcdef");
  EXPECT_EQ(read_back(folder, "long.txt", 8), "abcdef\n");
  char buffer[8] = "kept";
  EXPECT_TRUE(ReadFile(folder.path().c_str(), "long.txt", buffer, 0));
  EXPECT_STREQ(buffer, "kept");
  EXPECT_FALSE(ReadFile(folder.path().c_str(), "missing.txt", buffer, sizeof buffer));
  EXPECT_FALSE(ReadFile(folder.path().c_str(), "", buffer, sizeof buffer)) << "a folder reads as no file";
  EXPECT_STREQ(buffer, "kept");
  EXPECT_FALSE(ReadFile(folder.path().c_str(), "long.txt", nullptr, 100));
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

TEST(FilePathList, MatchesTheExtensionWithoutCaseAtAnyDepth) {
  temp_folder folder;
  fs::create_directories(folder.path() / "sub/z.wav");
  write_bytes(folder / "x.wav", "");
  write_bytes(folder / "sub/y.Wav", "");
  write_bytes(folder / "sub/z.wav/inside.WAV", "");
  write_bytes(folder / "sub/other.txt", "");
  write_bytes(folder / "sub/wav", "");
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
  fs::create_directory_symlink(folder.path(), folder.path() / "real/loop");
  EXPECT_EQ(listed(folder.path().string(), "wav"), (std::vector<std::string>{folder / "real/a.wav"}));
}

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
