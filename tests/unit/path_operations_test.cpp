// Recording folder setting and dated folders, against a stand-in host with
// real folders and a fixed clock.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "api/text/local_clock.hpp"
#include "api/text/path_operations.hpp"
#include "entry/host_import.hpp"
#include "temp_folder.hpp"
#include "utility/utility.hpp"

using namespace KV_COBALT;
namespace fs = std::filesystem;

namespace {

namespace stand_in {
std::string project_folder, resource_folder, record_path;
bool knows_project = true;
std::tm time{};

void GetProjectPath(char* bufOut, int bufOut_sz) { kv_utility::strcpy(bufOut, bufOut_sz, project_folder); }
const char* GetResourcePath() { return resource_folder.c_str(); }
bool GetSetProjectInfo_String(ReaProject*, const char* desc, char* value, bool is_set) {
  if (!knows_project || std::string(desc) != "RECORD_PATH") return false;
  if (is_set)
    record_path = value;
  else
    kv_utility::strcpy(value, 4096, record_path);
  return true;
}
std::tm now() { return time; }
}  // namespace stand_in

std::tm at(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

const char separator = static_cast<char>(fs::path::preferred_separator);

class PathOperations : public ::testing::Test {
 protected:
  void SetUp() override {
    host::GetProjectPath.resolve(reinterpret_cast<void*>(&stand_in::GetProjectPath));
    host::GetResourcePath.resolve(reinterpret_cast<void*>(&stand_in::GetResourcePath));
    host::GetSetProjectInfo_String.resolve(reinterpret_cast<void*>(&stand_in::GetSetProjectInfo_String));
    fs::create_directories(project.path() / "project");
    fs::create_directories(project.path() / "resource");
    stand_in::project_folder = project / "project";
    stand_in::resource_folder = project / "resource";
    stand_in::record_path.clear();
    stand_in::knows_project = true;
    stand_in::time = at(2026, 12, 6, 16, 5, 9);
    local_clock::set_source(&stand_in::now);
  }
  void TearDown() override {
    local_clock::set_source(nullptr);
    host::GetProjectPath.resolve(nullptr);
    host::GetResourcePath.resolve(nullptr);
    host::GetSetProjectInfo_String.resolve(nullptr);
  }

  temp_folder project;
  char full[512] = "untouched";
  char added[512] = "untouched";
};

TEST_F(PathOperations, EachTimeKindNamesAFolderInsideTheProjectFolder) {
  const std::string base = stand_in::project_folder;
  const struct {
    int kind;
    const char* part;
  } cases[] = {{0, "Rec"}, {1, "Rec_1206_1605"}, {2, "Rec_1206_160509"}, {3, "Rec_20261206_160509"}};
  for (const auto& c : cases) {
    ASSERT_TRUE(SetProjectPathFolder("Rec", c.kind, full, sizeof full, added, sizeof added)) << c.kind;
    EXPECT_STREQ(added, c.part);
    EXPECT_EQ(full, base + separator + c.part);
    EXPECT_TRUE(fs::is_directory(fs::path(base) / c.part)) << c.part;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(base), fs::directory_iterator()), 4);
  EXPECT_EQ(std::distance(fs::directory_iterator(project.path()), fs::directory_iterator()), 2)
      << "nothing lands beside the project folder";
}

TEST_F(PathOperations, SmallNumbersGetLeadingZerosAndTheYearStaysWhole) {
  stand_in::time = at(2027, 1, 6, 9, 7, 3);
  ASSERT_TRUE(SetProjectPathFolder("Take", 1, full, sizeof full, added, sizeof added));
  EXPECT_STREQ(added, "Take_0106_0907");
  ASSERT_TRUE(SetProjectPathFolder("Take", 2, full, sizeof full, added, sizeof added));
  EXPECT_STREQ(added, "Take_0106_090703");
  stand_in::time = at(987, 1, 6, 9, 7, 3);
  ASSERT_TRUE(SetProjectPathFolder("Take", 3, full, sizeof full, added, sizeof added));
  EXPECT_STREQ(added, "Take_9870106_090703");
}

TEST_F(PathOperations, SameMinuteTwiceGivesTheSameFolderAndSucceeds) {
  ASSERT_TRUE(SetResoucePathFolder("Bounce", 1, full, sizeof full, added, sizeof added));
  const std::string first = full;
  stand_in::time.tm_sec = 59;
  ASSERT_TRUE(SetResoucePathFolder("Bounce", 1, full, sizeof full, added, sizeof added));
  EXPECT_EQ(first, full);
  EXPECT_EQ(first, stand_in::resource_folder + separator + "Bounce_1206_1605");
  EXPECT_TRUE(fs::is_directory(first));
}

TEST_F(PathOperations, OtherTimeKindsUseTheBaseFolderItself) {
  for (int kind : {7, -1}) {
    ASSERT_TRUE(SetProjectPathFolder("Rec", kind, full, sizeof full, added, sizeof added));
    EXPECT_EQ(full, stand_in::project_folder);
    EXPECT_STREQ(added, "Rec");
  }
  EXPECT_TRUE(fs::is_empty(stand_in::project_folder));
}

TEST_F(PathOperations, PathFolderLandsInsideTheNamedFolder) {
  ASSERT_TRUE(SetPathFolder(project.text().c_str(), "Mix", 3, full, sizeof full));
  EXPECT_EQ(full, project / "Mix_20261206_160509");
  EXPECT_TRUE(fs::is_directory(project / "Mix_20261206_160509"));
}

TEST_F(PathOperations, BaseEndingInASeparatorGetsNoSecondOne) {
  const std::string base = project.path().string() + separator;
  ASSERT_TRUE(SetPathFolder(base.c_str(), "Takes", 1, full, sizeof full));
  EXPECT_EQ(full, project / "Takes_1206_1605");
  stand_in::project_folder += separator;
  ASSERT_TRUE(SetProjectPathFolder("Takes", 0, full, sizeof full, added, sizeof added));
  EXPECT_EQ(full, project / "project" + separator + "Takes");
}

TEST_F(PathOperations, FolderThatCannotBeMadeIsAFailureWithNothingWritten) {
  EXPECT_FALSE(SetPathFolder((project / "missing").c_str(), "Mix", 0, full, sizeof full));
  EXPECT_FALSE(SetPathFolder("", "Mix", 0, full, sizeof full)) << "never the file-system root";
  write_bytes(project / "taken", "a file, not a folder");
  EXPECT_FALSE(SetPathFolder(project.text().c_str(), "taken", 0, full, sizeof full));
  stand_in::project_folder = project / "gone";
  EXPECT_FALSE(SetProjectPathFolder("Rec", 0, full, sizeof full, added, sizeof added));
  EXPECT_STREQ(full, "untouched");
  EXPECT_STREQ(added, "untouched");
  EXPECT_FALSE(fs::exists(project / "gone"));
}

#ifdef _WIN32
// Win32 drops trailing dots and spaces when it makes a name: the path given
// back is the folder made, and names Windows sends to devices make none.
TEST_F(PathOperations, FolderNamesAreGivenBackAsWindowsStoresThem) {
  ASSERT_TRUE(SetPathFolder(project.text().c_str(), "Take ", 0, full, sizeof full));
  EXPECT_EQ(full, project / "Take");
  ASSERT_TRUE(SetProjectPathFolder("Bus..", 0, full, sizeof full, added, sizeof added));
  EXPECT_STREQ(added, "Bus");
  EXPECT_EQ(full, project / "project\\Bus");
  for (const char* refused : {"...", "nul", "Com1.take", "aux "})
    EXPECT_FALSE(SetPathFolder(project.text().c_str(), refused, 0, full, sizeof full)) << refused;
}
#endif

#ifndef _WIN32
// Write permission on a folder is POSIX's.
TEST_F(PathOperations, FolderWithoutWritePermissionIsAFailure) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const fs::path locked = project.path() / "locked";
  fs::create_directory(locked);
  chmod(locked.c_str(), 0500);
  EXPECT_FALSE(SetPathFolder(locked.c_str(), "Mix", 0, full, sizeof full));
  chmod(locked.c_str(), 0700);
}
#endif

TEST_F(PathOperations, OutputsFollowTheBufferRuleAndMayBeNull) {
  char small[4] = "xyz";
  ASSERT_TRUE(SetProjectPathFolder("Rec", 0, nullptr, 100, small, sizeof small));
  EXPECT_STREQ(small, "Rec");
  ASSERT_TRUE(SetProjectPathFolder("Record", 0, full, 0, small, 3));
  EXPECT_STREQ(small, "Re");
  EXPECT_STREQ(full, "untouched");
  EXPECT_TRUE(fs::is_directory(fs::path(stand_in::project_folder) / "Record"));
}

TEST_F(PathOperations, RecPathReplacesTheSettingAndReturnsTheOldOne) {
  stand_in::record_path = "Audio";
  char before[3] = "";
  ASSERT_TRUE(SetProjectInfoRecPath(nullptr, "NewTakes", before, sizeof before));
  EXPECT_STREQ(before, "Au");
  EXPECT_EQ(stand_in::record_path, "NewTakes");
  ASSERT_TRUE(SetProjectInfoRecPath(nullptr, std::string(2000, 'p').c_str(), nullptr, 10));
  EXPECT_EQ(stand_in::record_path, std::string(1023, 'p'));
}

TEST_F(PathOperations, RecAddPathExtendsTheSettingByOneLevel) {
  stand_in::record_path = "Audio";
  char before[64] = "", after[64] = "";
  ASSERT_TRUE(SetProjectInfoRecAddPath(nullptr, "Take2", before, sizeof before, after, sizeof after));
  EXPECT_STREQ(before, "Audio");
  EXPECT_EQ(after, std::string("Audio") + separator + "Take2");
  EXPECT_EQ(stand_in::record_path, after);

  stand_in::record_path = "Audio";
  ASSERT_TRUE(SetProjectInfoRecAddPath(nullptr, "Take2", before, sizeof before, after, 6));
  EXPECT_STREQ(after, "Audio");
  EXPECT_EQ(stand_in::record_path, "Audio") << "what the caller receives is what is stored";

  for (int no_room : {0, -3}) {
    stand_in::record_path = "Audio";
    ASSERT_TRUE(SetProjectInfoRecAddPath(nullptr, "Take2", nullptr, 0, nullptr, no_room));
    EXPECT_EQ(stand_in::record_path, std::string("Audio") + separator + "Take2") << "the whole path without a buffer";
  }

  // An empty setting is the project folder: one level down is the bare name,
  // not a folder at the file-system root.
  stand_in::record_path.clear();
  ASSERT_TRUE(SetProjectInfoRecAddPath(nullptr, "Take2", before, sizeof before, after, sizeof after));
  EXPECT_EQ(stand_in::record_path, "Take2");
  EXPECT_STREQ(after, "Take2");
}

TEST_F(PathOperations, UnknownProjectChangesNothing) {
  stand_in::knows_project = false;
  char before[16] = "kept";
  EXPECT_FALSE(SetProjectInfoRecPath(nullptr, "x", before, sizeof before));
  EXPECT_FALSE(SetProjectInfoRecAddPath(nullptr, "x", before, sizeof before, nullptr, 0));
  EXPECT_STREQ(before, "kept");
}

}  // namespace
