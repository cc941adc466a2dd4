#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "utility/ecma_regex.hpp"
#include "utility/utility.hpp"

using namespace kv_utility;

TEST(Strcpy, CutsByBytesAndAlwaysTerminates) {
  char buffer[8];
  std::memset(buffer, 'x', sizeof buffer);
  strcpy(buffer, 3, "hello");
  EXPECT_STREQ(buffer, "he");
  strcpy(buffer, 6, "hello");
  EXPECT_STREQ(buffer, "hello");
  strcpy(buffer, 1, "hello");
  EXPECT_STREQ(buffer, "");
}

TEST(Strcpy, WritesNothingWithoutRoomOrBuffer) {
  char buffer[4] = {'a', 'b', 'c', '\0'};
  strcpy(buffer, 0, "zz");
  strcpy(buffer, -5, "zz");
  EXPECT_STREQ(buffer, "abc");
  strcpy(nullptr, 10, "zz");  // must not crash
}

TEST(Strcpy, StopsAtEmbeddedNul) {
  char buffer[8] = {};
  strcpy(buffer, 8, std::string("ab\0cd", 5));
  EXPECT_STREQ(buffer, "ab");
}

TEST(Stricmp, FoldsLettersOnly) {
  EXPECT_TRUE(Stricmp("Track", "TRACK"));
  EXPECT_FALSE(Stricmp("Track", "Track "));
  EXPECT_TRUE(Stricmp(nullptr, ""));
}

TEST(Round, HalvesAwayFromZeroAtTheGivenDigits) {
  EXPECT_DOUBLE_EQ(round(1.23456, 3), 1.235);
  EXPECT_DOUBLE_EQ(round(2.5, 0), 3);
  EXPECT_DOUBLE_EQ(round(-2.5, 0), -3);
  EXPECT_DOUBLE_EQ(round(0.125, 2), 0.13);
  EXPECT_DOUBLE_EQ(round(1.005, 2), 1.0);
}

TEST(Round, DigitsOutsideTheRangeStayFinite) {
  EXPECT_DOUBLE_EQ(round(2.6, -3), 3);
  EXPECT_TRUE(std::isfinite(round(1.5, 40)));
}

TEST(Volume, ConversionsUseTheHostFactor) {
  EXPECT_DOUBLE_EQ(to_reaper_volume(0), 1);
  EXPECT_DOUBLE_EQ(to_reaper_volume(20), 9.999999870059545);
  EXPECT_DOUBLE_EQ(to_reaper_volume(6), 1.9952623071909206);
  EXPECT_DOUBLE_EQ(to_dB(2), 6.020599913279624);
  EXPECT_DOUBLE_EQ(to_dB(1), 0);
  EXPECT_TRUE(std::isinf(to_dB(0)) && to_dB(0) < 0);
}

TEST(SplitExtension, SplitsAtTheLastDot) {
  using parts = std::pair<std::string, std::string>;
  EXPECT_EQ(split_extension("take.01.wav"), parts("take.01", "wav"));
  EXPECT_EQ(split_extension("readme"), parts("readme", ""));
  EXPECT_EQ(split_extension("name."), parts("name", ""));
  EXPECT_EQ(split_extension(".hidden"), parts("", "hidden"));
  EXPECT_EQ(split_extension("a.b\nc"), parts("a.b\nc", ""));
}

TEST(MatchInTail, NeedsSomethingBeforeTheTail) {
  EXPECT_TRUE(match_intail("song.WAV", ".wav"));
  EXPECT_FALSE(match_intail(".wav", ".wav"));
  EXPECT_FALSE(match_intail("abc", "("));  // an invalid tail is no match
}

TEST(EcmaRegex, WholeTextMatchesAllOfTheTextWithItsCase) {
  const auto pattern = ecma_regex::compile("a.c", ecma_regex::whole_text);
  ASSERT_TRUE(pattern);
  EXPECT_TRUE(pattern->matches("abc"));
  EXPECT_FALSE(pattern->matches("abcd"));
  EXPECT_FALSE(pattern->matches("xabc"));
  EXPECT_FALSE(pattern->matches("ABC"));
  const auto either = ecma_regex::compile("a|b", ecma_regex::whole_text);
  ASSERT_TRUE(either);
  EXPECT_TRUE(either->matches("b"));
  EXPECT_FALSE(either->matches("ab")) << "the whole alternation must reach the end";
  EXPECT_TRUE(ecma_regex::compile("a.c")->matches("abcd")) << "without the option a match at the start is enough";
}

TEST(Format, FillsPlaceholders) {
  EXPECT_EQ(format("open %s", "x y"), "open x y");
  EXPECT_EQ(format("%s-%s-%s", "a", "b", "c"), "a-b-c");
  EXPECT_EQ(format("%s", ""), "");
}

#ifndef _WIN32
// A POSIX shell runs the command: Windows opens addresses without one.
TEST(ExecCommand, StartedEvenWhenTheProgramIsMissing) {
  EXPECT_EQ(exec_command("definitely-not-a-program-kv 2>/dev/null"), 0);
  auto marker = std::filesystem::temp_directory_path() / "kv_exec_marker";
  std::filesystem::remove(marker);
  EXPECT_EQ(exec_command("touch " + shell_quote(marker.string())), 0);
  EXPECT_TRUE(std::filesystem::exists(marker));  // waited for
  std::filesystem::remove(marker);
}

TEST(ShellQuote, SurvivesQuotesAndMetacharacters) {
  auto out = std::filesystem::temp_directory_path() / "kv_quote_out";
  std::string nasty = "a'b $(echo no) `x` ;&|\"";
  exec_command("printf %s " + shell_quote(nasty) + " > " + shell_quote(out.string()));
  std::ifstream in(out);
  std::string read((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(read, nasty);
  std::filesystem::remove(out);
}
#endif
