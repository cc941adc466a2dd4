// Item operations in-process on real sound in the simulated host: the hand
// automation on speech, and the peak list of an item longer than one host call.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "api/host_api.hpp"
#include "api/item/hand_automation_operations.hpp"
#include "api/item/peak_lists.hpp"
#include "linked_library.hpp"
#include "utility/physical_memory.hpp"

using namespace KV_COBALT;
namespace api = kvhost::api;
using field = kv_object::peak_table::field;

namespace {

struct item_media : linked_library {
  MediaTrack* track = nullptr;
  void SetUp() override {
    linked_library::SetUp();
    track = kvhost::add_tracks(nullptr, {0}).at(0);
  }
};

// The level of each whole 10 ms window of the item's active take, from the
// host's 1 ms peaks: its loudest sample in dB below full scale, 80 for silence.
std::vector<double> window_levels(MediaItem* item) {
  const int n = static_cast<int>(std::lround(api::GetMediaItemInfo_Value(item, "D_LENGTH") * 1000));
  std::vector<double> peaks(2 * static_cast<std::size_t>(n));
  EXPECT_EQ(api::GetMediaItemTake_Peaks(api::GetActiveTake(item), 1000, api::GetMediaItemInfo_Value(item, "D_POSITION"),
                                        1, n, 0, peaks.data()) &
                0xFFFFF,
            n);
  std::vector<double> levels;
  for (int start = 0; start + 10 <= n; start += 10) {
    double loudest = 0.0001;
    for (int i = start; i < start + 10; ++i)
      loudest = std::max(
          {loudest, std::fabs(peaks[static_cast<std::size_t>(i)]), std::fabs(peaks[static_cast<std::size_t>(n + i)])});
    levels.push_back(std::max(0.0, -20 * std::log10(loudest)));
  }
  return levels;
}

// The mean of the values below bound.
double mean_below(const std::vector<double>& values, double bound) {
  double sum = 0;
  int count = 0;
  for (double value : values)
    if (value < bound) {
      sum += value;
      ++count;
    }
  return sum / count;
}

TEST_F(item_media, hand_automation_brings_loud_speech_closer_to_its_target) {
#ifdef _WIN32
  GTEST_SKIP() << "the speech comes from espeak-ng, a Linux program";
#endif
  const std::string speech =
      (std::filesystem::temp_directory_path() / ("kv_speech_" + std::to_string(::getpid()) + ".wav")).string();
  ASSERT_EQ(std::system(("espeak-ng -a 200 -w '" + speech +
                         "' 'Riding the fader by hand keeps a voice even. Loud words come down, quiet ones stay.'")
                            .c_str()),
            0);
  PCM_source* source = api::PCM_Source_CreateFromFile(speech.c_str());
  ASSERT_NE(source, nullptr);
  MediaItem* item = api::AddMediaItemToTrack(track);
  api::SetMediaItemTake_Source(api::AddTakeToMediaItem(item), source);
  api::SetMediaItemInfo_Value(item, "D_LENGTH", api::GetMediaSourceLength(source, nullptr));
  MediaItem_Take* original = api::GetActiveTake(item);

  // At ratio type 3 the loudest windows, those below M, come down to M: the
  // mean of the levels below L, which is the mean of those below the mean of
  // the loud ones (below 50 dB).
  const auto before = window_levels(item);
  std::vector<double> loud_levels;
  for (double level : before)
    if (level < 50) loud_levels.push_back(level);
  const double target = mean_below(before, mean_below(before, mean_below(loud_levels, 50)));
  std::vector<std::size_t> loud;
  for (std::size_t k = 0; k < before.size(); ++k)
    if (before[k] < target) loud.push_back(k);
  ASSERT_GT(loud.size(), 10u) << "speech has loud words";

  ASSERT_TRUE(SetMediaItemHANDAUTOMER(item, 3));
  EXPECT_EQ(api::CountTakes(item), 2);
  EXPECT_NE(api::GetActiveTake(item), original) << "the rendered take plays";
  const auto after = window_levels(item);
  ASSERT_EQ(after.size(), before.size());
  double distance_before = 0, distance_after = 0;
  for (std::size_t k : loud) {
    distance_before += std::fabs(before[k] - target) / loud.size();
    distance_after += std::fabs(after[k] - target) / loud.size();
  }
  EXPECT_LT(distance_after, distance_before * 0.4)
      << "target " << target << " dB: before " << distance_before << " dB, after " << distance_after << " dB";
  std::filesystem::remove(speech);
}

TEST_F(item_media, an_item_longer_than_one_host_call_gives_its_whole_peak_list) {
  constexpr int rate = 8000;
  constexpr int milliseconds = 21 * 60 * 1000;
  // Counted in milliseconds first: the samples' product with the rate passes 2^32.
  constexpr std::size_t per_millisecond = rate / 1000;
  std::vector<float> samples(per_millisecond * milliseconds, 0.25f);
  samples.back() = 0.5f;                       // the last millisecond
  samples[per_millisecond * 1048575] = -1.0f;  // just past 2^20 - 1 milliseconds
  MediaItem* item = kvhost::add_item(track, 2, milliseconds / 1000.0, kvhost::create_source(rate, 1, samples));
  kv_object::peak_list peaks;
  ASSERT_TRUE(GetMediaIdPeakList(nullptr, 0, peaks));
  ASSERT_EQ(peaks.size(), static_cast<std::size_t>(milliseconds));
  EXPECT_EQ(peaks[1048575].value(field::MinPeak), 0.0);
  EXPECT_EQ(peaks[1048574].value(field::MinPeak), -12.0412);
  EXPECT_EQ(peaks[milliseconds - 1].value(field::MaxPeak), -6.0206);
  EXPECT_DOUBLE_EQ(peaks[milliseconds - 1].value(field::Time), (milliseconds - 1) * 0.001);
  for (std::size_t i = 0; i < peaks.size(); i += 65521) ASSERT_EQ(peaks[i].value(field::MaxPeak), -12.0412) << i;
  (void)item;
}

// Memory is given out as it is touched: a list the machine cannot hold must be
// refused before it is begun, not found out by the process being killed.
TEST_F(item_media, a_peak_list_larger_than_the_machine_is_refused_before_it_is_begun) {
  const double milliseconds =
      std::min(static_cast<double>(kv_utility::physical_memory()) / 25 * 1.5, static_cast<double>(INT_MAX));
  MediaItem* item = kvhost::add_item(track, 0, milliseconds / 1000, kvhost::create_source(8000, 1, {0.5f}));
  kv_object::peak_list peaks;
  peaks.table().add_peak(0, -1, -1);
  EXPECT_FALSE(GetMediaItemPeakList(item, peaks));
  EXPECT_EQ(peaks.size(), 1u);
}

}  // namespace
