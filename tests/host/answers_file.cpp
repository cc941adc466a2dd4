// An answers file read line by line: return codes, input values as text or
// as a JSON array of strings, and what is refused with its line number.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "model/runner.hpp"

using kvhost::model::load_answers;
using kvhost::model::runner;

namespace {

struct answers_file : ::testing::Test {
  std::filesystem::path path = std::filesystem::temp_directory_path() /
                               ("kv-answers-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  void TearDown() override { std::filesystem::remove(path); }

  bool load(const std::string& text, std::string& error) {
    std::ofstream(path, std::ios::binary) << text;
    return load_answers(path.string(), error);
  }
};

TEST_F(answers_file, codes_text_values_and_json_values) {
  std::string error;
  ASSERT_TRUE(load("6\r\n0\n1,a, b,\n1,[\"x,y\", \"caf\\u00e9\\n\\ud83c\\udfb5\", \"\\\"\\\\\\/\"]\n1,[]\n", error))
      << error;
  const auto& lines = runner().answers;
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_FALSE(lines[0].inputs);
  EXPECT_EQ(lines[0].code, 6);
  EXPECT_EQ(lines[1].code, 0);
  EXPECT_TRUE(lines[2].inputs);
  EXPECT_EQ(lines[2].values, (std::vector<std::string>{"a", " b", ""}));
  EXPECT_EQ(lines[3].values, (std::vector<std::string>{"x,y", "caf\xC3\xA9\n\xF0\x9F\x8E\xB5", "\"\\/"}));
  EXPECT_EQ(lines[4].number, 5);
  EXPECT_TRUE(lines[4].values.empty());
}

TEST_F(answers_file, a_line_of_no_known_kind_is_named) {
  for (const std::string bad : {"6\nyes\n", "6\n\n", "6\n1\n2,a\n", "1,[\"a\"\n", "1,[\"a\"] x\n", "1,[\"\\ud83c\"]\n",
                                "1,[\"\\q\"]\n", "1,[\"tab\there\"]\n", "1,[1]\n"}) {
    std::string error;
    EXPECT_FALSE(load(bad, error)) << bad;
    EXPECT_NE(error.find(path.string() + ":"), std::string::npos) << error;
  }
  std::string error;
  EXPECT_FALSE(load("1\n2\nyes\n", error));
  EXPECT_NE(error.find(":3: expected"), std::string::npos) << error;
  EXPECT_FALSE(load_answers((path / "missing").string(), error));
}

}  // namespace
