#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "entry/dependency.hpp"
#include "entry/messages.hpp"
#include "entry/plugin.hpp"
#include "fake_host.hpp"

namespace {

// The locale and the browser are stand-ins: each load picks its language, and
// the addresses asked to open are kept.
class Dialog : public ::testing::Test {
 protected:
  fake_host::system_stand_ins stand_ins{""};

  void SetUp() override { fake_host::install(); }
  void TearDown() override { ReaperPluginEntry(nullptr, nullptr); }
  void load(const char* locale) {
    fake_host::locale_word = locale;
    ReaperPluginEntry(nullptr, &fake_host::record);
  }
};

}  // namespace

TEST_F(Dialog, EnglishQuestionNamesTheCallerAndAnswerNoOpensNothing) {
  load("en_US");
  fake_host::message_box_answer = 7;
  dependency_manager::assert_not_installed("KV_SetMediaItemHANDAUTOMER", "KELVARO_COBALT", dependency_manager::SWS);
  ASSERT_EQ(fake_host::messages.size(), 1u);
  EXPECT_EQ(fake_host::titles[0], "KELVARO_COBALT");
  const std::string url = kv_app::message_list->URL_SWS();
  EXPECT_EQ(fake_host::messages[0], "To use KV_SetMediaItemHANDAUTOMER, you need to install " +
                                        std::string(kv_app::message_list->SWS_PROGRAM_NAME()) +
                                        ".\nPlease refer to the URL below for details.\n\n" + url +
                                        "\n\nWould you like to open the URL?");
  EXPECT_TRUE(fake_host::opened.empty());
}

TEST_F(Dialog, JapaneseQuestionAndAnswerYesOpensThePageOnce) {
  load("ja_JP");
  fake_host::message_box_answer = 6;
  dependency_manager::assert_not_installed("KV_X", "KELVARO_COBALT", dependency_manager::SWS);
  ASSERT_EQ(fake_host::messages.size(), 1u);
  const std::string url = kv_app::message_list->URL_SWS();
  EXPECT_EQ(fake_host::messages[0], "KV_Xを使用するためには" + std::string(kv_app::message_list->SWS_PROGRAM_NAME()) +
                                        "のインストールが必要です。\n詳細は下記URLを参照ください。\n\n" + url +
                                        "\n\nURLを開きますか？");
  EXPECT_EQ(fake_host::opened, std::vector<std::string>{url});
}

TEST_F(Dialog, OtherExtensionsAskNothing) {
  load("en_US");
  fake_host::message_box_answer = 6;
  dependency_manager::assert_not_installed("KV_X", "KELVARO_COBALT", static_cast<dependency_manager::third_plugin>(1));
  EXPECT_TRUE(fake_host::messages.empty());
  EXPECT_TRUE(fake_host::opened.empty());
}

#ifndef _WIN32
// The system's opener runs one command; the shell gives it the address as one word.
TEST(OpenCommand, PassesTheAddressAsOneWord) {
#ifdef __APPLE__
  const std::string program = "open ";
#else
  const std::string program = "xdg-open ";
#endif
  const std::string url = "https://example.invalid/a b?x='1'&y=$(id)";
  const std::string command = dependency_manager::open_command(url.c_str());
  ASSERT_EQ(command.rfind(program, 0), 0u) << command;
  // The same arguments handed to printf instead of the browser.
  std::string words;
  if (FILE* pipe = popen(("printf '%s\\n' " + command.substr(program.size())).c_str(), "r")) {
    char chunk[256];
    while (std::fgets(chunk, sizeof chunk, pipe)) words += chunk;
    pclose(pipe);
  }
  EXPECT_EQ(words, url + "\n");
}
#endif
