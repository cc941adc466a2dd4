#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "entry/dependency.hpp"
#include "entry/messages.hpp"
#include "entry/plugin.hpp"
#include "fake_host.hpp"

namespace fs = std::filesystem;

namespace {

// A fake browser opener first on PATH that records its arguments.
class Dialog : public ::testing::Test {
 protected:
  fs::path folder = fs::temp_directory_path() / ("kv_opener_" + std::to_string(::getpid()));
  fs::path log = folder / "opened.txt";
  std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "";

  void SetUp() override {
    fs::create_directories(folder);
    for (const char* name : {"xdg-open", "open"}) {
      std::ofstream script(folder / name);
      script << "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" << log.string() << "'\n";
      script.close();
      fs::permissions(folder / name, fs::perms::owner_all);
    }
    setenv("PATH", (folder.string() + ":" + old_path).c_str(), 1);
    fake_host::install();
  }
  void TearDown() override {
    ReaperPluginEntry(nullptr, nullptr);
    setenv("PATH", old_path.c_str(), 1);
    unsetenv("LC_ALL");
    fs::remove_all(folder);
  }
  void load(const char* locale) {
    setenv("LC_ALL", locale, 1);
    ReaperPluginEntry(nullptr, &fake_host::record);
  }
  std::string opened() {
    std::ifstream in(log);
    return std::string((std::istreambuf_iterator<char>(in)), {});
  }
};

}  // namespace

TEST_F(Dialog, EnglishQuestionNamesTheCallerAndAnswerNoOpensNothing) {
  load("en_US.UTF-8");
  fake_host::message_box_answer = 7;
  dependency_manager::assert_not_installed("KV_SetMediaItemHANDAUTOMER", "KELVARO_COBALT", dependency_manager::SWS);
  ASSERT_EQ(fake_host::messages.size(), 1u);
  EXPECT_EQ(fake_host::titles[0], "KELVARO_COBALT");
  const std::string url = kv_app::message_list->URL_SWS();
  EXPECT_EQ(fake_host::messages[0], "To use KV_SetMediaItemHANDAUTOMER, you need to install " +
                                        std::string(kv_app::message_list->SWS_PROGRAM_NAME()) +
                                        ".\nPlease refer to the URL below for details.\n\n" + url +
                                        "\n\nWould you like to open the URL?");
  EXPECT_EQ(opened(), "");
}

TEST_F(Dialog, JapaneseQuestionAndAnswerYesOpensThePageOnce) {
  load("ja_JP.UTF-8");
  fake_host::message_box_answer = 6;
  dependency_manager::assert_not_installed("KV_X", "KELVARO_COBALT", dependency_manager::SWS);
  ASSERT_EQ(fake_host::messages.size(), 1u);
  const std::string url = kv_app::message_list->URL_SWS();
  EXPECT_EQ(fake_host::messages[0], "KV_Xを使用するためには" + std::string(kv_app::message_list->SWS_PROGRAM_NAME()) +
                                        "のインストールが必要です。\n詳細は下記URLを参照ください。\n\n" + url +
                                        "\n\nURLを開きますか？");
  EXPECT_EQ(opened(), url + "\n");
}

TEST_F(Dialog, OtherExtensionsAskNothing) {
  load("en_US.UTF-8");
  fake_host::message_box_answer = 6;
  dependency_manager::assert_not_installed("KV_X", "KELVARO_COBALT", static_cast<dependency_manager::third_plugin>(1));
  EXPECT_TRUE(fake_host::messages.empty());
  EXPECT_EQ(opened(), "");
}

TEST_F(Dialog, OpenUrlPassesTheAddressAsOneWord) {
  dependency_manager::open_url("https://example.invalid/a b?x='1'&y=$(id)");
  EXPECT_EQ(opened(), "https://example.invalid/a b?x='1'&y=$(id)\n");
}
