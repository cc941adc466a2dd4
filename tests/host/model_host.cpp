// Folders, project settings, dialogs and the action log.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "api/host_api.hpp"
#include "model/need_big.hpp"
#include "simulation.hpp"

using namespace kvhost::api;

namespace {

struct model_host : ::testing::Test {
  void SetUp() override { kvhost::reset(); }
};

TEST_F(model_host, default_folders_exist_and_are_distinct) {
  const std::string resource = GetResourcePath();
  char project[4096] = "";
  GetProjectPath(project, sizeof project);
  EXPECT_TRUE(std::filesystem::is_directory(resource));
  EXPECT_TRUE(std::filesystem::is_directory(project));
  EXPECT_NE(resource, project);
  EXPECT_EQ(kvhost::resource_path(), resource);
  EXPECT_EQ(kvhost::project_path(nullptr), project);
}

TEST_F(model_host, default_folders_go_away_on_reset) {
  const std::string resource = GetResourcePath();
  kvhost::reset();
  EXPECT_FALSE(std::filesystem::exists(resource));
}

TEST_F(model_host, chosen_folders) {
  kvhost::set_resource_path("/opt/res");
  EXPECT_STREQ(GetResourcePath(), "/opt/res");
  ReaProject* other = kvhost::create_project();
  ASSERT_TRUE(kvhost::set_project_path(other, "/music/other"));
  ASSERT_TRUE(kvhost::set_current_project(other));
  char buffer[8] = "";
  GetProjectPath(buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "/music/");
  kvhost::set_resource_path("");
  EXPECT_TRUE(std::filesystem::is_directory(GetResourcePath()));
}

TEST_F(model_host, record_path_per_project) {
  char value[4096] = "x";
  ASSERT_TRUE(GetSetProjectInfo_String(nullptr, "RECORD_PATH", value, false));
  EXPECT_STREQ(value, "");
  char recordings[] = "Recordings";
  ASSERT_TRUE(GetSetProjectInfo_String(nullptr, "RECORD_PATH", recordings, true));
  ASSERT_TRUE(GetSetProjectInfo_String(kvhost::current_project(), "RECORD_PATH", value, false));
  EXPECT_STREQ(value, "Recordings");
  ASSERT_TRUE(GetSetProjectInfo_String(kvhost::create_project(), "RECORD_PATH", value, false));
  EXPECT_STREQ(value, "");
  EXPECT_FALSE(GetSetProjectInfo_String(nullptr, "RECORD_PATH", nullptr, true));
  EXPECT_FALSE(GetSetProjectInfo_String(nullptr, "PROJECT_NAME", value, false));
}

TEST_F(model_host, message_box_answers_queue_then_defaults) {
  kvhost::queue_message_box_answer(6);
  EXPECT_EQ(ShowMessageBox("Sure?", "Ask", 4), 6);
  EXPECT_EQ(ShowMessageBox("Sure?", "Ask", 4), 7);
  EXPECT_EQ(ShowMessageBox("Go on?", nullptr, 3), 2);
  EXPECT_EQ(ShowMessageBox(nullptr, "Note", 0), 1);
  EXPECT_EQ(ShowMessageBox("Proceed", "Note", 1), 1);
  ASSERT_EQ(kvhost::dialogs().size(), 5u);
  const auto& first = kvhost::dialogs()[0];
  EXPECT_EQ(first.kind, "message");
  EXPECT_EQ(first.title, "Ask");
  EXPECT_EQ(first.text, "Sure?");
  EXPECT_EQ(first.type, 4);
  EXPECT_EQ(first.answer, 6);
  EXPECT_EQ(kvhost::dialogs()[2].title, "");
}

TEST_F(model_host, user_inputs_ok_cancel_and_log) {
  kvhost::queue_user_inputs_answer(true, "3,blue");
  kvhost::queue_user_inputs_answer(false, "ignored");
  char values[32] = "1,red";
  EXPECT_TRUE(GetUserInputs("Settings", 2, "Count,Colour", values, sizeof values));
  EXPECT_STREQ(values, "3,blue");
  EXPECT_FALSE(GetUserInputs("Settings", 2, "Count,Colour", values, sizeof values));
  EXPECT_STREQ(values, "3,blue");
  EXPECT_FALSE(GetUserInputs("Settings", 2, "Count,Colour", values, sizeof values));
  ASSERT_EQ(kvhost::dialogs().size(), 3u);
  const auto& first = kvhost::dialogs()[0];
  EXPECT_EQ(first.kind, "inputs");
  EXPECT_EQ(first.title, "Settings");
  EXPECT_EQ(first.text, "Count,Colour");
  EXPECT_EQ(first.values, "1,red");
  EXPECT_EQ(first.inputs, 2);
  EXPECT_EQ(first.answer, 1);
}

TEST_F(model_host, user_inputs_answer_is_truncated_to_the_buffer) {
  kvhost::queue_user_inputs_answer(true, "abcdefgh");
  char values[5] = {'1', '2', '3', '4', '5'};  // no terminator: must not be read past
  EXPECT_TRUE(GetUserInputs(nullptr, 1, nullptr, values, sizeof values));
  EXPECT_STREQ(values, "abcd");
  EXPECT_EQ(kvhost::dialogs()[0].values, "12345");
}

TEST_F(model_host, user_inputs_field_count_is_checked) {
  kvhost::queue_user_inputs_answer(true, "x");
  char values[8] = "";
  EXPECT_FALSE(GetUserInputs("t", 0, "", values, sizeof values));
  EXPECT_FALSE(GetUserInputs("t", 17, "", values, sizeof values));
  EXPECT_TRUE(GetUserInputs("t", 16, "", values, sizeof values));
  EXPECT_EQ(kvhost::dialogs().size(), 1u);
}

TEST_F(model_host, commands_and_refreshes_are_recorded) {
  ReaProject* other = kvhost::create_project();
  Main_OnCommandEx(40131, 0, nullptr);
  Main_OnCommandEx(41999, 2, other);
  UpdateArrange();
  UpdateArrange();
  ASSERT_EQ(kvhost::commands().size(), 2u);
  EXPECT_EQ(kvhost::commands()[0].command, 40131);
  EXPECT_EQ(kvhost::commands()[0].project, kvhost::current_project());
  EXPECT_EQ(kvhost::commands()[1].flag, 2);
  EXPECT_EQ(kvhost::commands()[1].project, other);
  EXPECT_EQ(kvhost::update_arrange_count(), 2);
  kvhost::reset();
  EXPECT_TRUE(kvhost::commands().empty());
  EXPECT_EQ(kvhost::update_arrange_count(), 0);
}

}  // namespace

// realloc_cmd_ptr grows only a buffer the script engine passed, given with
// its true size; the caller then gets exactly the new size back.
TEST(need_big, grows_only_a_passed_buffer_and_reads_back_its_new_size) {
  kvhost::model::need_big_buffer passed("");
  char* buffer = passed.data();
  int size = passed.size();
  char own[16] = "";
  char* own_pointer = own;
  int own_size = sizeof own;
  EXPECT_FALSE(realloc_cmd_ptr(&own_pointer, &own_size, 64));
  int wrong_size = size + 1;
  EXPECT_FALSE(realloc_cmd_ptr(&buffer, &wrong_size, 64));
  EXPECT_FALSE(realloc_cmd_ptr(&buffer, &size, -1));
  EXPECT_FALSE(realloc_cmd_ptr(nullptr, &size, 64));
  ASSERT_TRUE(realloc_cmd_ptr(&buffer, &size, 3));
  EXPECT_EQ(size, 3);
  EXPECT_EQ(buffer, passed.data());
  std::copy_n("a\0b", 3, buffer);
  EXPECT_EQ(passed.result(), std::string("a\0b", 3));
}
