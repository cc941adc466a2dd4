#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "binding/registered/list_transport.hpp"
#include "entry/host_import.hpp"
#include "entry/messages.hpp"
#include "entry/plugin.hpp"
#include "entry/registry.hpp"
#include "entry/user_locale.hpp"
#include "fake_host.hpp"

using namespace KV_COBALT;

namespace {

std::string field(const char* definition, int index) {
  for (int i = 0; i < index; ++i) definition += std::strlen(definition) + 1;
  return definition;
}

int count_items(const std::string& list) {
  if (list.empty()) return 0;
  int n = 1;
  for (char c : list) n += c == ',';
  return n;
}

class Entry : public ::testing::Test {
 protected:
  void SetUp() override { fake_host::install(); }
  void TearDown() override { ReaperPluginEntry(nullptr, nullptr); }
};

}  // namespace

// The script functions, then the list functions for the module's Lua file.
std::vector<const api_record*> registered_rows() {
  std::vector<const api_record*> rows;
  for (const api_table* table : {&api_define_list, &list_transport_table})
    for (int i = 0; i < table->count; ++i) rows.push_back(&table->records[i]);
  return rows;
}

TEST_F(Entry, LoadRegistersEveryRowWithThreeCallsInTableOrder) {
  ASSERT_EQ(ReaperPluginEntry(nullptr, &fake_host::record), 1);
  EXPECT_EQ(reaper_plugin, &fake_host::record);
  const auto rows = registered_rows();
  ASSERT_EQ(fake_host::registrations.size(), rows.size() * 3);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const api_record& row = *rows[i];
    const auto* calls = &fake_host::registrations[i * 3];
    std::string name = std::string(row.api_key).substr(4);
    EXPECT_EQ(calls[0].key, "API_" + name);
    EXPECT_EQ(calls[0].value, row.function);
    EXPECT_EQ(calls[1].key, "APIdef_" + name);
    EXPECT_EQ(calls[1].value, row.definition);
    EXPECT_EQ(calls[2].key, "APIvararg_" + name);
    EXPECT_EQ(calls[2].value, reinterpret_cast<void*>(row.vararg));
    EXPECT_EQ(name.rfind("KV_", 0), 0u);
  }
}

TEST_F(Entry, UnloadWithdrawsWithDashKeysInTheSameOrder) {
  ReaperPluginEntry(nullptr, &fake_host::record);
  auto loaded = fake_host::registrations;
  fake_host::registrations.clear();
  EXPECT_EQ(ReaperPluginEntry(nullptr, nullptr), 0);
  EXPECT_EQ(reaper_plugin, nullptr);
  ASSERT_EQ(fake_host::registrations.size(), loaded.size());
  for (std::size_t i = 0; i < loaded.size(); ++i) {
    EXPECT_EQ(fake_host::registrations[i].key, "-" + loaded[i].key);
    EXPECT_EQ(fake_host::registrations[i].value, loaded[i].value);
  }
}

TEST(EntryFresh, UnloadBeforeAnyLoadRegistersNothing) {
  // The fresh process is this program started again, which the kernel runs
  // only natively: a cross build's suite runs under an emulator.
  if (std::getenv("KVHOST_EMULATOR")) GTEST_SKIP() << "a death test cannot start the suite again under the emulator";
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process: nothing loaded yet
  EXPECT_EXIT(
      {
        fake_host::install();
        int result = ReaperPluginEntry(nullptr, nullptr);
        std::exit(result == 0 && fake_host::registrations.empty() && !imported ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(Entry, HostWithoutPluginRegisterStillLoads) {
  fake_host::functions.erase("plugin_register");
  EXPECT_EQ(ReaperPluginEntry(nullptr, &fake_host::record), 1);
  EXPECT_TRUE(fake_host::registrations.empty());
  EXPECT_FALSE(host::plugin_register);
}

TEST_F(Entry, LoadingTwiceInstallsAFreshCatalogueAndRegistersAgain) {
  fake_host::system_stand_ins stand_ins("en_US");
  ReaperPluginEntry(nullptr, &fake_host::record);
  EXPECT_NE(dynamic_cast<kv_app::message_en*>(kv_app::message_list.get()), nullptr);
  fake_host::locale_word = "ja_JP";
  ReaperPluginEntry(nullptr, &fake_host::record);
  EXPECT_NE(dynamic_cast<kv_app::message_jp*>(kv_app::message_list.get()), nullptr);
  EXPECT_EQ(fake_host::registrations.size(), registered_rows().size() * 6);
}

TEST(Definitions, EveryRowHasFourMatchingFields) {
  for (int i = 0; i < api_define_list.count; ++i) {
    const char* d = api_define_list.records[i].definition;
    std::string result = field(d, 0);
    EXPECT_TRUE(result == "bool" || result == "MediaTrack*") << result;
    EXPECT_EQ(count_items(field(d, 1)), count_items(field(d, 2))) << api_define_list.records[i].api_key;
    EXPECT_EQ(field(d, 3).rfind("[KV:API]", 0), 0u);
  }
}

TEST(Version, FollowsTheBufferRule) {
  char buffer[8];
  get_version(buffer, 8);
  EXPECT_STREQ(buffer, "1.0.0");
  get_version(buffer, 3);
  EXPECT_STREQ(buffer, "1.");
  get_version(buffer, 1);
  EXPECT_STREQ(buffer, "");
  std::strcpy(buffer, "keep");
  get_version(buffer, 0);
  EXPECT_STREQ(buffer, "keep");
  get_version(nullptr, 8);
}

TEST(Locale, OnlyExactlyJaJpIsJapanese) {
  fake_host::system_stand_ins stand_ins("");
  struct example {
    const char* word;
    bool japanese;
  };
  for (auto [word, japanese] :
       {example{"ja_JP", true}, example{"ja_JPX", false}, example{"ja", false}, example{"ja-JP", false},
        example{"en_US", false}, example{"C", false}, example{"", false}}) {
    fake_host::locale_word = word;
    message_util::set_localize();
    EXPECT_EQ(dynamic_cast<kv_app::message_jp*>(kv_app::message_list.get()) != nullptr, japanese) << word;
  }
}

#if !defined(_WIN32) && !defined(__APPLE__)
// The system's source: the first of LC_ALL, LC_MESSAGES and LANG that is set,
// without its encoding or modifier.
TEST(Locale, SystemSourceReadsTheEnvironment) {
  user_locale::set_source(nullptr);
  const auto saved = [](const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
  };
  const std::optional<std::string> all = saved("LC_ALL"), messages = saved("LC_MESSAGES"), lang = saved("LANG");
  for (auto [value, word] :
       {std::pair{"ja_JP.UTF-8", "ja_JP"}, std::pair{"ja_JP@euro", "ja_JP"}, std::pair{"en_US.UTF-8", "en_US"}}) {
    setenv("LC_ALL", value, 1);
    EXPECT_EQ(user_locale::word(), word) << value;
  }
  setenv("LC_ALL", "ja_JP.UTF-8", 1);
  message_util::set_localize();
  EXPECT_NE(dynamic_cast<kv_app::message_jp*>(kv_app::message_list.get()), nullptr);
  unsetenv("LC_ALL");
  setenv("LC_MESSAGES", "", 1);
  setenv("LANG", "ja_JP.eucJP", 1);
  EXPECT_EQ(user_locale::word(), "ja_JP") << "an empty variable is passed over";
  unsetenv("LC_MESSAGES");
  unsetenv("LANG");
  EXPECT_EQ(user_locale::word(), "");
  const auto restore = [](const char* name, const std::optional<std::string>& value) {
    if (value) setenv(name, value->c_str(), 1);
  };
  restore("LC_ALL", all);
  restore("LC_MESSAGES", messages);
  restore("LANG", lang);
}
#endif
