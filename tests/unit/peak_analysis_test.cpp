// Peak lists read through a fake host, the records they hold, and the
// window, flat and duplicate rules of the hand automation.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "api/item/hand_automation_analysis.hpp"
#include "api/item/peak_lists.hpp"
#include "fake_media.hpp"
#include "utility/utility.hpp"

using namespace KV_COBALT;
using fake_media::handle;
using kv_object::peak_list;
using field = kv_object::peak_table::field;

namespace {

struct peak_analysis : ::testing::Test {
  void SetUp() override { fake_media::install(); }
  void TearDown() override { ReaperPluginEntry(nullptr, nullptr); }

  // Windows cut from an item whose samples have the given levels.
  static std::vector<hand_automation::window> windows_of(const std::vector<double>& sample_levels) {
    auto& it = fake_media::add_item();
    for (double level : sample_levels) {
      it.maxima.push_back(std::pow(10.0, -level / 20));
      it.minima.push_back(0);
    }
    it.length = sample_levels.size() / 1000.0;
    peak_list peaks;
    EXPECT_TRUE(GetMediaItemPeakList(handle(it), peaks));
    return hand_automation::cut_windows(peaks);
  }

  // Windows cut straight from dB readings, one sample per millisecond: each
  // sample's maximum, and its minimum (the same as the maximum when none given).
  static std::vector<hand_automation::window> cut(const std::vector<double>& max_dB, std::vector<double> min_dB = {}) {
    if (min_dB.empty()) min_dB = max_dB;
    peak_list peaks;
    for (std::size_t i = 0; i < max_dB.size(); ++i) peaks.table().add_peak(i * 0.001, max_dB[i], min_dB[i]);
    return hand_automation::cut_windows(peaks);
  }
};

TEST_F(peak_analysis, decibels_are_rounded_to_four_decimals_and_floored_at_minus_80) {
  EXPECT_EQ(peak_levels::to_dB(0.00005), -80.0);
  EXPECT_EQ(peak_levels::to_dB(0.0), -80.0);
  EXPECT_EQ(peak_levels::to_dB(std::nan("")), -80.0);
  EXPECT_EQ(peak_levels::to_dB(0.5), -6.0206);
  EXPECT_EQ(peak_levels::to_dB(-0.5), -6.0206);
  EXPECT_EQ(peak_levels::to_dB(1.0), 0.0);
  EXPECT_EQ(peak_levels::to_dB(0.25), -12.0412);
  EXPECT_EQ(peak_levels::to_dB(0.99996), 0.0) << "the magnitude is rounded to four decimals first";
}

TEST_F(peak_analysis, a_list_holds_one_record_per_millisecond_with_known_values) {
  auto& it = fake_media::add_item();
  it.position = 3;
  it.length = 2.5;
  it.maxima.assign(2500, 0.5);
  it.minima.assign(2500, -0.25);
  it.maxima[1234] = 1.0;
  peak_list peaks;
  ASSERT_TRUE(GetMediaItemPeakList(handle(it), peaks));
  ASSERT_EQ(peaks.size(), 2500u);
  EXPECT_EQ(peaks[0].value(field::Time), 0.0);
  EXPECT_DOUBLE_EQ(peaks[2499].value(field::Time), 2.499);
  EXPECT_EQ(peaks[7].value(field::MaxPeak), -6.0206);
  EXPECT_EQ(peaks[7].value(field::MinPeak), -12.0412);
  EXPECT_EQ(peaks[1234].value(field::MaxPeak), 0.0);
  EXPECT_EQ(peaks[0].get_size(), 3);
  EXPECT_EQ(peaks[0].get_key_info(2), (std::pair<std::string, std::string>{"MinPeak", "double"}));
  EXPECT_FALSE(peaks[0].present(field::Pos));
  // Appends, never clears.
  ASSERT_TRUE(GetMediaIdPeakList(nullptr, 0, peaks));
  EXPECT_EQ(peaks.size(), 5000u);
  EXPECT_EQ(peaks[2500].value(field::Time), 0.0);
  // A record outlives its list and still shares its row with its copies.
  kv_object::kv_Peak kept = peaks[7];
  peak_list moved = std::move(peaks);
  EXPECT_TRUE(peaks.empty());
  moved = peak_list();
  kv_object::kv_Peak copy = kept;
  copy.set_value("MaxPeak", -1.5);
  EXPECT_EQ(kept.get_value("MaxPeak"), kv_object::pyvar(-1.5));
}

TEST_F(peak_analysis, a_long_item_is_read_in_pieces_with_the_same_values) {
  // Raw values with known readings, in cycles of 5 and 3 that no piece boundary matches.
  const double maxima[][2] = {{1.0, 0.0}, {0.5, -6.0206}, {0.7, -3.098}, {0.1, -20.0}, {0.00005, -80.0}};
  const double minima[][2] = {{-0.5, -6.0206}, {-0.001, -60.0}, {-0.99996, 0.0}};
  auto& it = fake_media::add_item();
  const int n = 3 * peak_levels::chunk + 123;
  it.length = n / 1000.0;
  for (int i = 0; i < n; ++i) {
    it.maxima.push_back(maxima[i % 5][0]);
    it.minima.push_back(minima[i % 3][0]);
  }
  peak_list peaks;
  ASSERT_TRUE(GetMediaItemPeakList(handle(it), peaks));
  ASSERT_EQ(peaks.size(), static_cast<std::size_t>(n));
  EXPECT_EQ(fake_media::peaks_calls, 4);
  for (int i = 0; i < n; ++i) {
    ASSERT_EQ(peaks[i].value(field::MaxPeak), maxima[i % 5][1]) << i;
    ASSERT_EQ(peaks[i].value(field::MinPeak), minima[i % 3][1]) << i;
  }
}

TEST_F(peak_analysis, the_length_is_rounded_to_whole_milliseconds) {
  for (const auto& [length, records] : {std::pair{0.0996, 100u}, std::pair{0.0006, 1u}}) {
    fake_media::install();
    auto& it = fake_media::add_item();
    it.length = length;
    it.maxima.assign(100, 0.5);
    it.minima.assign(100, 0.5);
    peak_list peaks;
    ASSERT_TRUE(GetMediaItemPeakList(handle(it), peaks)) << length;
    EXPECT_EQ(peaks.size(), records) << length;
  }
}

TEST_F(peak_analysis, items_without_length_or_peaks_give_nothing) {
  peak_list peaks;
  auto& tiny = fake_media::add_item();
  tiny.length = 0.0004;
  auto& silent_source = fake_media::add_item();
  silent_source.length = 1;  // the host has no peaks for it
  auto& no_take = fake_media::add_item();
  no_take.length = 1;
  no_take.takes = 0;
  auto& endless = fake_media::add_item();
  endless.length = 1e300;
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(GetMediaIdPeakList(nullptr, i, peaks)) << i;
  EXPECT_FALSE(GetMediaItemPeakList(nullptr, peaks));
  EXPECT_FALSE(GetSelectedMediaIdPeakList(nullptr, 0, peaks));
  EXPECT_TRUE(peaks.empty());
}

TEST_F(peak_analysis, records_share_their_row_and_a_record_of_its_own_starts_empty) {
  kv_object::kv_Peak own;
  EXPECT_EQ(own.get_size(), 0);
  EXPECT_THROW(own.get_key_info(0), std::out_of_range);
  EXPECT_EQ(own.get_value("PointVol"), kv_object::pyvar(0.0));
  EXPECT_EQ(own.get_value("pointvol"), kv_object::pyvar(0));
  kv_object::kv_Peak copy = own;
  EXPECT_NE(copy.handle, own.handle);
  copy.set_value("Pos", 1.5);
  copy.set_value("Frequency", 3);  // an int is not a double: ignored
  EXPECT_EQ(own.get_value("Pos"), kv_object::pyvar(1.5));
  EXPECT_EQ(own.get_value("Frequency"), kv_object::pyvar(0.0));
  EXPECT_EQ(own.get_size(), 0) << "setting a value does not make it present";
}

TEST_F(peak_analysis, loud_windows_put_their_point_on_the_loudest_sample_within_the_3rd_to_7th) {
  std::vector<double> levels(30, 20);
  levels[0] = 10;   // window 0: loudest first, held to the 3rd
  levels[19] = 10;  // window 1: loudest last, held to the 7th
  levels[24] = 10;  // window 2: ties keep the earliest (the 5th here)
  levels[26] = 10;
  const auto windows = windows_of(levels);
  ASSERT_EQ(windows.size(), 3u);
  EXPECT_DOUBLE_EQ(windows[0].pos, 0.002);
  EXPECT_DOUBLE_EQ(windows[1].pos, 0.016);
  EXPECT_DOUBLE_EQ(windows[2].pos, 0.024);
  EXPECT_NEAR(windows[0].level, 10, 0.001);
  // Silence and anything at or below -50 dB is quiet: its point is the 5th sample.
  const auto quiet = windows_of(std::vector<double>(10, 55));
  ASSERT_EQ(quiet.size(), 1u);
  EXPECT_DOUBLE_EQ(quiet[0].pos, 0.004);
  EXPECT_EQ(windows_of(std::vector<double>(10, 120))[0].level, 80);
}

TEST_F(peak_analysis, a_loud_tail_of_six_to_nine_samples_is_a_window) {
  EXPECT_EQ(windows_of(std::vector<double>(95, 10)).size(), 9u);
  const auto tail = windows_of(std::vector<double>(97, 10));
  ASSERT_EQ(tail.size(), 10u);
  EXPECT_DOUBLE_EQ(tail[9].pos, 0.094);
  const auto six = cut(std::vector<double>(96, -10));
  ASSERT_EQ(six.size(), 10u) << "a tail of exactly 6 samples";
  EXPECT_DOUBLE_EQ(six[9].pos, 0.094);
  std::vector<double> quiet_tail(97, 10);
  std::fill(quiet_tail.begin() + 90, quiet_tail.end(), 60);
  EXPECT_EQ(windows_of(quiet_tail).size(), 9u);
}

TEST_F(peak_analysis, audio_above_full_scale_counts_as_the_loudest_and_is_cut) {
  // Windows at -6, -8, -10, +12, -14, -16, -18 and -20 dB.
  std::vector<double> readings;
  for (double dB : {-6.0, -8.0, -10.0, 12.0, -14.0, -16.0, -18.0, -20.0}) readings.insert(readings.end(), 10, dB);
  auto windows = cut(readings);
  ASSERT_EQ(windows.size(), 8u);
  EXPECT_EQ(windows[3].level, 0);
  EXPECT_EQ(windows[2].level, 10);
  EXPECT_EQ(cut(std::vector<double>(10, -6), std::vector<double>(10, 3))[0].level, 0) << "over in either direction";
  hand_automation::choose_gains(windows, hand_automation::ratio_of(0));
  // u = 11.5, L = 6, M = 0: the window lies in the lift band and gets L - 0.
  EXPECT_EQ(windows[3].gain, -6);
  for (const auto& w : cut(std::vector<double>(30, 6))) EXPECT_EQ(w.level, 0);
}

// Gains of windows given by time and level, at ratio type 0.
std::vector<double> gains_of(std::vector<hand_automation::window> windows) {
  hand_automation::choose_gains(windows, hand_automation::ratio_of(0));
  std::vector<double> gains;
  for (const auto& w : windows) gains.push_back(w.gain);
  return gains;
}

TEST_F(peak_analysis, lifts_end_at_their_level_and_time_bounds) {
  // u = 17.375, L = 7.5, M = 5, no D: every window falls to the lift cases.
  EXPECT_EQ(gains_of({{0.0, 5},
                      {0.01, 5},
                      {0.02, 10},
                      {0.03, 10},
                      {0.099, 28.5},  // before 0.1 s: up to 4 dB below 29 dB
                      {0.1, 28.5},    // at 0.1 s: the second case, below 28 dB only
                      {0.25, 25},     // from 0.2 s: up to 2 dB below 26 dB
                      {0.25, 27}}),
            (std::vector<double>{-2.5, -2.5, 2.5, 2.5, 4, 0, 2, 0}));
  // u = 10, L = 6, M = 4: a window exactly at M is no loud peak and is lifted (here cut) towards L.
  EXPECT_EQ(gains_of({{0.05, 4}, {0.05, 6}, {0.05, 8}, {0.05, 14}, {0.05, 18}}), (std::vector<double>{-2, 0, 2, 4, 4}));
}

TEST_F(peak_analysis, the_flat_pass_marks_points_within_half_a_decibel_of_both_neighbours) {
  const auto flat = [](std::vector<double> gains) {
    std::vector<hand_automation::window> windows;
    for (double g : gains) windows.push_back({0, 0, g});
    return hand_automation::flat_windows(windows);
  };
  EXPECT_EQ(flat({-1.0, -1.2, -1.4}), std::vector<int>{1});
  EXPECT_TRUE(flat({-1.0, -1.6, -1.4}).empty());
  EXPECT_EQ(flat({0, 0, 0, 0}), (std::vector<int>{1, 2}));
  EXPECT_TRUE(flat({0, 0.5, 0.5}).empty()) << "exactly 0.5 dB is not within";
  EXPECT_TRUE(flat({0.5, 0.5, 0}).empty());
}

TEST_F(peak_analysis, of_two_points_at_one_time_the_one_nearer_unity_goes) {
  const auto after = [](std::vector<hand_automation::point> points) {
    hand_automation::remove_duplicates(points);
    std::vector<double> values;
    for (const auto& p : points) values.push_back(p.value);
    return values;
  };
  EXPECT_EQ(after({{0, 1}, {0.1, 0.8}, {0.1, 1.0}}), (std::vector<double>{1, 0.8}));
  EXPECT_EQ(after({{0, 1}, {0.1, 1.0}, {0.1, 0.8}}), (std::vector<double>{1, 0.8}));
  EXPECT_EQ(after({{0, 1}, {0.1, 0.5}, {0.1, 1.5}}), (std::vector<double>{1, 0.5, 1.5}));
  EXPECT_EQ(after({{0.1, 1}, {0.1, 0.8}, {0.2, 1}}), (std::vector<double>{1, 0.8, 1}))
      << "pair (1, 0) is never compared";
  EXPECT_EQ(after({{0, 1}, {0.1, 0.9}, {0.1, 1.0}, {0.1, 0.7}}), (std::vector<double>{1, 0.7}))
      << "the survivor of a pair meets the point before it";
}

// The envelope as the points were once edited in place: every point written,
// then deleted one id at a time, flat ones from the highest id down, then the
// duplicate walk reading ids from the end.
std::vector<hand_automation::point> edited_point_by_point(const std::vector<hand_automation::window>& windows,
                                                          bool reset_point) {
  std::vector<hand_automation::point> list;
  if (reset_point) list.push_back({0, 1});
  for (const auto& w : windows) list.push_back({w.pos, 1});
  for (std::size_t k = 0; k < windows.size(); ++k)
    if (windows[k].written) list[k] = {windows[k].pos, kv_utility::to_reaper_volume(windows[k].gain)};
  const auto erase = [&](int id) { list.erase(list.begin() + id); };
  const std::vector<int> flat = hand_automation::flat_windows(windows);
  for (auto k = flat.rbegin(); k != flat.rend(); ++k) erase(*k);
  if (list.size() >= 3)
    for (int a = static_cast<int>(list.size()) - 1; a >= 2; --a) {
      if (list[a].pos != list[a - 1].pos) continue;
      const double later = std::fabs(1 - list[a].value), earlier = std::fabs(1 - list[a - 1].value);
      if (later < earlier)
        erase(a);
      else if (earlier < later)
        erase(a - 1);
    }
  return list;
}

TEST_F(peak_analysis, the_survivors_are_the_points_left_by_editing_point_by_point) {
  std::mt19937 random(5);
  // Few distinct gains and repeated times, so flat runs and chains of equal
  // times, unwritten windows and ties at unity all come up.
  const double gains[] = {0, 0, 0.3, -0.3, 1, -1, 4, -4};
  for (int round = 0; round < 300; ++round) {
    std::vector<hand_automation::window> windows(random() % 40);
    double pos = 0;
    for (auto& w : windows) {
      pos += random() % 3 == 0 ? 0 : 0.01;
      w = {pos, 0, gains[random() % std::size(gains)], random() % 4 != 0};
      if (!w.written) w.gain = 0;
    }
    for (bool reset_point : {true, false}) {
      const auto expected = edited_point_by_point(windows, reset_point);
      const auto survivors = hand_automation::surviving_points(windows, reset_point);
      ASSERT_EQ(survivors.size(), expected.size()) << "round " << round;
      for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(survivors[i].pos, expected[i].pos) << "round " << round << " point " << i;
        ASSERT_EQ(survivors[i].value, expected[i].value) << "round " << round << " point " << i;
      }
    }
  }
}

}  // namespace
