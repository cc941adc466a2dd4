// Regular-expression replacement over 1 MB texts, catastrophic patterns that
// must give up quickly, and a case-insensitive search of a 200 KB text in 1 MB.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "api/text/string_operations.hpp"

namespace {

constexpr std::size_t megabyte = 1 << 20;

// Lyrics-like text: words, spaces, digits and line breaks.
std::string prose(std::size_t size) {
  static const std::string words = "la Lune 42 sings\nof b and a in 7 notes ";
  std::string text;
  while (text.size() < size) text += words;
  text.resize(size);
  return text;
}

std::string repeated(const std::string& unit, std::size_t size) {
  std::string text;
  while (text.size() < size) text += unit;
  text.resize(size);
  return text;
}

struct linear_case {
  const char* pattern;
  std::string text;
};

const std::vector<linear_case>& linear_cases() {
  static const std::vector<linear_case> cases = {
      {"(a|b)*", repeated("baa", megabyte)}, {"(.)*", repeated("baa", megabyte)},
      {"(?:ab)*", repeated("ab", megabyte)}, {"a.*b", "a" + repeated("x", megabyte) + "b"},
      {"[0-9]+", prose(megabyte)},           {"\\s+", prose(megabyte)},
      {"(\\w+) (\\w+)", prose(megabyte)},    {"", repeated("x", megabyte)},
      {"(a|b)*c", repeated("ab", megabyte)},  // no "c": every position fails
  };
  return cases;
}

void BM_ReplaceLinear(benchmark::State& state) {
  const linear_case& c = linear_cases()[static_cast<std::size_t>(state.range(0))];
  state.SetLabel(c.pattern);
  std::vector<char> out(4 * megabyte);
  bool ok = false;
  for (auto _ : state) {
    ok = KV_COBALT::ReplaceSearchString(c.text.c_str(), c.pattern, "<$&>", out.data(), static_cast<int>(out.size()));
    benchmark::DoNotOptimize(out.data());
  }
  if (!ok) state.SkipWithError("the replacement failed");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * c.text.size()));
}
BENCHMARK(BM_ReplaceLinear)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

struct catastrophic_case {
  const char* pattern;
  std::string text;
};

const std::vector<catastrophic_case>& catastrophic_cases() {
  static const std::vector<catastrophic_case> cases = {
      {"(a+)+b", std::string(40, 'a') + "cb"},    {"(x+x+)+y", std::string(4000, 'x') + "zy"},
      {"(a|aa)*c", std::string(100, 'a') + "bc"}, {"(\\w+\\s?)+$", prose(megabyte) + "!"},
      {"a*a*(b|c)", repeated("a", megabyte)},  // quadratic over all positions
  };
  return cases;
}

// These give up with false; the time is how long giving up takes.
void BM_ReplaceCatastrophic(benchmark::State& state) {
  const catastrophic_case& c = catastrophic_cases()[static_cast<std::size_t>(state.range(0))];
  state.SetLabel(c.pattern);
  char out[64];
  bool ok = true;
  for (auto _ : state) ok = KV_COBALT::ReplaceSearchString(c.text.c_str(), c.pattern, "x", out, sizeof out);
  if (ok) state.SkipWithError("expected the matcher to give up");
}
BENCHMARK(BM_ReplaceCatastrophic)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// A 200 KB needle (differing from the text in case) that occurs at the end of 1 MB.
void BM_CheckIncludeString(benchmark::State& state) {
  std::string text = repeated("abcdefghij", megabyte - 200 * 1024);
  std::string needle = repeated("abcdefghij", 200 * 1024 - 1) + "K";
  text += repeated("ABCDEFGHIJ", 200 * 1024 - 1) + "k";
  bool found = false;
  for (auto _ : state) KV_COBALT::CheckIncludeString(text.c_str(), needle.c_str(), &found);
  if (!found) state.SkipWithError("the needle was not found");
}
BENCHMARK(BM_CheckIncludeString)->Unit(benchmark::kMillisecond);

}  // namespace
