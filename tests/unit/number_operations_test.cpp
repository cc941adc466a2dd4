// Random values over many draws, and zero-padded numbers.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <set>
#include <string>

#include "api/number/number_operations.hpp"
#include "entry/host_import.hpp"

using namespace KV_COBALT;

namespace {

constexpr int draws = 2000;

std::set<int> integers(int low, int high) {
  std::set<int> seen;
  for (int i = 0; i < draws; ++i) {
    int value = INT_MIN;
    EXPECT_TRUE(GetRandomNumInteger(low, high, &value));
    seen.insert(value);
  }
  return seen;
}

std::set<double> decimals(double low, double high, int places) {
  std::set<double> seen;
  for (int i = 0; i < draws; ++i) {
    double value = NAN;
    EXPECT_TRUE(GetRandomNumDouble(low, high, places, &value));
    seen.insert(value);
  }
  return seen;
}

std::string formatted(int num, int digit, int size = 64) {
  char buffer[64] = "untouched";
  EXPECT_TRUE(FormatNumDigit(num, digit, buffer, size));
  return buffer;
}

int native(int r, int g, int b) { return (r << 16) | (g << 8) | b; }

}  // namespace

TEST(RandomInteger, StaysInRangeAndReachesBothEnds) {
  EXPECT_EQ(integers(3, 3), std::set<int>{3});
  EXPECT_EQ(integers(0, 1), (std::set<int>{0, 1}));
  EXPECT_EQ(integers(-2, 2), (std::set<int>{-2, -1, 0, 1, 2}));
  EXPECT_EQ(integers(5, -1), (std::set<int>{-1, 0, 1, 2, 3, 4, 5})) << "reversed bounds are swapped";
  for (int value : integers(INT_MIN, INT_MAX)) (void)value;  // the whole range without overflow
  EXPECT_FALSE(GetRandomNumInteger(0, 1, nullptr));
}

TEST(RandomDouble, HoldsTheRangeAndTheDecimalPlaces) {
  const auto hundredths = decimals(0.0, 1.0, 2);
  EXPECT_EQ(*hundredths.begin(), 0.0);
  EXPECT_EQ(*hundredths.rbegin(), 1.0);
  for (double value : hundredths) {
    EXPECT_EQ(value, std::round(value * 100) / 100) << value;
    EXPECT_TRUE(value >= 0.0 && value <= 1.0) << value;
  }
  EXPECT_EQ(decimals(0.0, 1.0, 0), (std::set<double>{0.0, 1.0}));
  EXPECT_EQ(decimals(0.0, 1.0, -4), (std::set<double>{0.0, 1.0}));
  EXPECT_GE(*decimals(0.129, 0.5, 2).begin(), 0.12);
  EXPECT_EQ(decimals(-0.129, -0.129, 2), std::set<double>{-0.12}) << "cut toward zero";
  EXPECT_EQ(decimals(0.5, -0.5, 1).size(), 11u) << "reversed bounds are swapped";
  EXPECT_EQ(decimals(-1.0, -1.0, 9), std::set<double>{-1.0});
}

TEST(RandomDouble, RefusesScalesAndBoundsBeyondTheIntRange) {
  double value = 42;
  EXPECT_FALSE(GetRandomNumDouble(0.0, 1.0, 10, &value));
  EXPECT_FALSE(GetRandomNumDouble(0.0, 1.0, INT_MAX, &value));
  EXPECT_FALSE(GetRandomNumDouble(0.0, 3.0, 9, &value));  // 3e9 leaves the range
  EXPECT_FALSE(GetRandomNumDouble(-1e300, 0.0, 0, &value));
  EXPECT_FALSE(GetRandomNumDouble(NAN, 1.0, 2, &value));
  EXPECT_FALSE(GetRandomNumDouble(0.0, INFINITY, 2, &value));
  EXPECT_EQ(value, 42);
  EXPECT_FALSE(GetRandomNumDouble(0.0, 1.0, 2, nullptr));
}

TEST(RandomColor, ChannelsInRangeAndColourFromTheHost) {
  host::ColorToNative.resolve(reinterpret_cast<void*>(&native));
  std::set<int> reds;
  for (int i = 0; i < draws; ++i) {
    int color = -1, r = -1, g = -1, b = -1;
    ASSERT_TRUE(GetRandomColor(&color, &r, &g, &b));
    for (int channel : {r, g, b}) ASSERT_TRUE(channel >= 0 && channel <= 255) << channel;
    ASSERT_EQ(color, native(r, g, b));
    reds.insert(r);
  }
  EXPECT_GT(reds.size(), 200u);
  int color = 7, r = 7, g = 7;
  EXPECT_FALSE(GetRandomColor(&color, &r, &g, nullptr));
  EXPECT_EQ(color + r + g, 21) << "nothing written";
  host::ColorToNative.resolve(nullptr);
}

TEST(FormatNumDigit, PadsWithZerosBehindTheSign) {
  EXPECT_EQ(formatted(7, 3), "007");
  EXPECT_EQ(formatted(1234, 3), "1234");
  EXPECT_EQ(formatted(0, 1), "0");
  EXPECT_EQ(formatted(-5, 3), "-005");
  EXPECT_EQ(formatted(-5, 2), "-5");
  EXPECT_EQ(formatted(INT_MIN, 12), "-002147483648");
  EXPECT_EQ(formatted(INT_MIN, 3), "-2147483648");
  EXPECT_EQ(formatted(INT_MAX, 12), "002147483647");
}

TEST(FormatNumDigit, CutsToTheBufferEvenForHugeWidths) {
  EXPECT_EQ(formatted(42, 8, 4), "000");
  EXPECT_EQ(formatted(-42, INT_MAX, 6), "-0000");
  EXPECT_EQ(formatted(42, INT_MAX, 64), std::string(63, '0'));
  char buffer[8] = "kept";
  EXPECT_TRUE(FormatNumDigit(42, 5, buffer, 0));
  EXPECT_STREQ(buffer, "kept");
  EXPECT_FALSE(FormatNumDigit(5, 0, buffer, sizeof buffer));
  EXPECT_FALSE(FormatNumDigit(5, -3, buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "kept");
  EXPECT_FALSE(FormatNumDigit(5, 3, nullptr, 8));
}
