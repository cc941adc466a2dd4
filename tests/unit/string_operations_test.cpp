#include <gtest/gtest.h>

#include <regex>

#include "api/text/regex_replace.hpp"
#include "api/text/string_lists.hpp"
#include "api/text/string_operations.hpp"
#include "entry/operation.hpp"

using namespace KV_COBALT;

namespace {

bool check(bool (*op)(const char*, const char*, bool*), const char* text, const char* sought) {
  bool out = false;
  EXPECT_TRUE(op(text, sought, &out));
  return out;
}

std::string replace(const char* text, const char* pattern, const char* with, int size = 256) {
  std::string out(256, '\0');
  EXPECT_TRUE(ReplaceSearchString(text, pattern, with, out.data(), size));
  return out.c_str();
}

}  // namespace

TEST(CheckStrings, SameIgnoresAsciiCaseOnly) {
  EXPECT_TRUE(check(CheckSameString, "Abc", "aBC"));
  EXPECT_FALSE(check(CheckSameString, "\xC3\x84", "\xC3\xA4"));  // Ä / ä
  EXPECT_TRUE(check(CheckSameString, "", ""));
  EXPECT_FALSE(check(CheckSameString, "abc", "abcd"));
}

TEST(CheckStrings, IncludeWithAndWithoutCase) {
  EXPECT_TRUE(check(CheckIncludeString, "Hello World", "WORLD"));
  EXPECT_FALSE(check(CheckIncludePerfectString, "Hello World", "WORLD"));
  EXPECT_TRUE(check(CheckIncludePerfectString, "Hello World", "World"));
  EXPECT_FALSE(check(CheckIncludeString, "ab", "abc"));
  EXPECT_FALSE(check(CheckIncludeString, "a.c", ".*"));  // no pattern syntax
}

TEST(CheckStrings, EmptySoughtTextIsAlwaysFound) {
  EXPECT_TRUE(check(CheckIncludeString, "anything", ""));
  EXPECT_TRUE(check(CheckIncludeString, "", ""));
  EXPECT_TRUE(check(CheckIncludePerfectString, "anything", ""));
}

TEST(CheckStrings, NullOutputIsRefused) {
  EXPECT_FALSE(CheckSameString("a", "a", nullptr));
  EXPECT_FALSE(CheckIncludeString("a", "a", nullptr));
  EXPECT_FALSE(CheckIncludePerfectString("a", "a", nullptr));
}

TEST(ReplaceSearchString, ReplacesEveryMatchWithTheFormat) {
  EXPECT_EQ(replace("a1b22c", "[0-9]+", "#"), "a#b#c");
  EXPECT_EQ(replace("a1b22c", "[0-9]+", "<$&>"), "a<1>b<22>c");
  EXPECT_EQ(replace("abc", "", "-"), "-a-b-c-");
  EXPECT_EQ(replace("John Smith", "(\\w+) (\\w+)", "$2, $1"), "Smith, John");
  EXPECT_EQ(replace("cost", "o", "$$"), "c$st");
  EXPECT_EQ(replace("abcdef", "x", "y", 4), "abc");
}

TEST(ReplaceSearchString, InvalidPatternLeavesTheOutputUntouched) {
  char out[16] = "untouched";
  EXPECT_FALSE(ReplaceSearchString("abc", "([a-", "x", out, sizeof out));
  EXPECT_STREQ(out, "untouched");
  EXPECT_FALSE(ReplaceSearchString("abc", "a", "x", nullptr, 16));
}

// The replacement must agree with the standard library's ECMAScript regex_replace.
TEST(ReplaceSearchString, AgreesWithStandardEcmaScript) {
  struct example {
    const char *text, *pattern, *format;
  };
  const example examples[] = {
      {"one two  three", "\\s+", "_"},      {"aaa", "a*", "<$&>"},
      {"line1\nline2", "^line", "L"},        {"line1\nline2", "\\d$", "#"},
      {"a.b\nc", ".", "x"},                  {"abcabc", "(b)(c)", "$2$1"},
      {"abc", "b", "[$`|$']"},               {"xyz", "(y)", "$9$1$10"},
      {"price: 10$", "\\$", "USD"},          {"AbC", "[a-z]", "?"},
      {"\xC3\x85ngstr\xC3\xB6m", ".", "."},  {"tab\there", "\\t", " "},
      {"aXbXc", "X", "$"},                   {"word boundary", "\\bb", "B"},
      {"aaa", "(?=a)", "-"},                 {"foo bar", "(foo|bar)", "[$1]"},
      {"abab", "(ab)+", "$1"},               {"x", "x", "$0$00$01"},
  };
  for (const auto& e : examples) {
    std::string expected = std::regex_replace(std::string(e.text), std::regex(e.pattern), e.format);
    auto got = regex_replace_all(e.text, e.pattern, e.format);
    ASSERT_TRUE(got) << e.pattern;
    EXPECT_EQ(*got, expected) << "text '" << e.text << "' pattern '" << e.pattern << "' format '" << e.format << "'";
  }
}

// Long texts with alternation crash a recursive matcher by exhausting the stack.
TEST(ReplaceSearchString, LongTextsDoNotExhaustTheStack) {
  auto text_of = [](std::size_t n) {
    std::string text(n, 'a');
    for (std::size_t i = 0; i < n; i += 3) text[i] = 'b';
    return text;
  };
  auto got = regex_replace_all(text_of(100000), "(a|b)*", "x");
  ASSERT_TRUE(got);
  EXPECT_EQ(*got, "xx");
  // Far beyond what the matcher has room for: a clean refusal, output untouched.
  std::string huge = text_of(4000000);
  char out[8] = "same";
  EXPECT_FALSE(ReplaceSearchString(huge.c_str(), "(a|b)*", "x", out, sizeof out));
  EXPECT_STREQ(out, "same");
}

TEST(DeleteBlankString, RemovesOnlyAsciiSpaces) {
  char out[32];
  ASSERT_TRUE(DeleteBlankString(" a b\tc ", out, sizeof out));
  EXPECT_STREQ(out, "ab\tc");
  ASSERT_TRUE(DeleteBlankString("x\xE3\x80\x80y z", out, sizeof out));  // U+3000 stays
  EXPECT_STREQ(out, "x\xE3\x80\x80yz");
  EXPECT_FALSE(DeleteBlankString("a", nullptr, 4));
}

TEST(StringOperations, NullTextsReadAsEmptyThroughTheGuard) {
  bool out = false;
  EXPECT_TRUE(kv_registry::guarded<&CheckSameString>::call(nullptr, "", &out));
  EXPECT_TRUE(out);
  char text[8] = "zz";
  EXPECT_TRUE(kv_registry::guarded<&ReplaceSearchString>::call(nullptr, nullptr, nullptr, text, sizeof text));
  EXPECT_STREQ(text, "");
}

TEST(StringSplitList, CutsAtAnyDelimiterByte) {
  using list = std::vector<std::string>;
  list out{"kept"};
  EXPECT_TRUE(GetStringSplitList("a,,b", ",", out));
  EXPECT_EQ(out, (list{"kept", "a", "", "b"}));
  out.clear();
  GetStringSplitList("a;b,c", ",;", out);
  EXPECT_EQ(out, (list{"a", "b", "c"}));
  out.clear();
  GetStringSplitList("abc", ",", out);
  EXPECT_EQ(out, (list{"abc"}));
  out.clear();
  GetStringSplitList("", ",", out);
  EXPECT_TRUE(out.empty());
  GetStringSplitList("a,b,", ",", out);
  EXPECT_EQ(out, (list{"a", "b"}));
  out.clear();
  GetStringSplitList(",", ",", out);
  EXPECT_EQ(out, (list{""}));
  out.clear();
  GetStringSplitList(",a", ",", out);
  EXPECT_EQ(out, (list{"", "a"}));
  out.clear();
  GetStringSplitList("a,b", "", out);
  EXPECT_EQ(out, (list{"a,b"}));
}
