// Peaks: true block extremes of the source, mapped from project time.
#include <algorithm>
#include <vector>

#include "media_fixture.hpp"

using namespace kvhost::api;

namespace {

using media_peaks = media_test;

constexpr int count_bits = 0xFFFFF;

TEST_F(media_peaks, block_extremes_from_project_time) {
  // 1000 Hz source: block i of 10 frames holds i*10 ... i*10+9, sign alternating.
  std::vector<float> samples(100);
  for (int i = 0; i < 100; ++i)
    samples[static_cast<std::size_t>(i)] = (i % 2 ? -1.0f : 1.0f) * static_cast<float>(i) / 100;
  MediaItem* item = item_of(samples, 2.0, 0.1);
  MediaItem_Take* take = GetActiveTake(item);
  std::vector<double> buf(3 * 12, -9);
  // From project time 1.98: two blocks before the source, ten inside.
  const int result = GetMediaItemTake_Peaks(take, 100, 1.98, 1, 12, 115, buf.data());
  EXPECT_EQ(result & count_bits, 12);
  EXPECT_EQ(result & ~count_bits, 0) << "output mode 0, spectral data not offered";
  EXPECT_EQ(buf[0], 0);
  EXPECT_EQ(buf[12 + 1], 0);
  EXPECT_FLOAT_EQ(buf[2], 0.08f);        // block 0: max of 0, 0.02, ..., 0.08
  EXPECT_FLOAT_EQ(buf[12 + 2], -0.09f);  // min: -0.09
  EXPECT_FLOAT_EQ(buf[11], 0.98f);
  EXPECT_FLOAT_EQ(buf[12 + 11], -0.99f);
  EXPECT_TRUE(std::all_of(buf.begin() + 24, buf.end(), [](double v) { return v == -9; })) << "extra slots untouched";

  // The take offset moves into the source; a block reaching past its end includes silence.
  SetMediaItemTakeInfo_Value(take, "D_STARTOFFS", 0.095);
  ASSERT_EQ(GetMediaItemTake_Peaks(take, 100, 2.0, 1, 2, 0, buf.data()) & count_bits, 2);
  EXPECT_FLOAT_EQ(buf[0], 0.98f);
  EXPECT_FLOAT_EQ(buf[2], -0.99f);
  EXPECT_EQ(buf[1], 0);
  EXPECT_EQ(buf[3], 0);

  // At play rate 2 a block covers twice the source frames.
  SetMediaItemTakeInfo_Value(take, "D_STARTOFFS", 0);
  SetMediaItemTakeInfo_Value(take, "D_PLAYRATE", 2);
  ASSERT_EQ(GetMediaItemTake_Peaks(take, 100, 2.0, 1, 1, 0, buf.data()) & count_bits, 1);
  EXPECT_FLOAT_EQ(buf[0], 0.18f);
  EXPECT_FLOAT_EQ(buf[1], -0.19f);
}

TEST_F(media_peaks, channels_fold_or_stay_apart) {
  // Stereo: left rises to 0.5, right falls to -0.25.
  MediaItem* item = item_of({0.1f, -0.05f, 0.5f, -0.25f, 0.2f, 0.0f, 0.3f, -0.1f}, 0, 0.004, 1000, 2);
  MediaItem_Take* take = GetActiveTake(item);
  double buf[8] = {};
  ASSERT_EQ(GetMediaItemTake_Peaks(take, 500, 0, 2, 2, 0, buf), 2);
  EXPECT_FLOAT_EQ(buf[0], 0.5f);    // block 0 left max
  EXPECT_FLOAT_EQ(buf[1], -0.05f);  // block 0 right max
  EXPECT_FLOAT_EQ(buf[2], 0.3f);    // block 1 left max
  EXPECT_FLOAT_EQ(buf[5], -0.25f);  // block 0 right min
  ASSERT_EQ(GetMediaItemTake_Peaks(take, 250, 0, 1, 1, 0, buf), 1);
  EXPECT_FLOAT_EQ(buf[0], 0.5f);
  EXPECT_FLOAT_EQ(buf[1], -0.25f);
}

TEST_F(media_peaks, count_capped_at_twenty_bits_within_the_buffer) {
  constexpr int asked = (1 << 20) + 10;
  MediaItem* item = item_of(std::vector<float>(1000, 0.5f), 0, 1);
  constexpr std::size_t guard = 4;
  std::vector<double> buf(2 * asked + guard, -9);
  const int result = GetMediaItemTake_Peaks(GetActiveTake(item), 1000, 0, 1, asked, 0, buf.data());
  EXPECT_EQ(result, (1 << 20) - 1);
  EXPECT_EQ(buf[0], 0.5);
  EXPECT_EQ(buf[asked], 0.5) << "minima start where the caller's layout puts them";
  EXPECT_EQ(buf[asked - 1], -9) << "blocks past the cap are not written";
  EXPECT_TRUE(std::all_of(buf.end() - guard, buf.end(), [](double v) { return v == -9; }));
}

TEST_F(media_peaks, nothing_for_bad_requests) {
  MediaItem* item = item_of({0.5f}, 0, 1);
  MediaItem_Take* take = GetActiveTake(item);
  double buf[4] = {-9, -9, -9, -9};
  EXPECT_EQ(GetMediaItemTake_Peaks(take, 0, 0, 1, 1, 0, buf), 0);
  EXPECT_EQ(GetMediaItemTake_Peaks(take, 100, 0, 0, 1, 0, buf), 0);
  EXPECT_EQ(GetMediaItemTake_Peaks(take, 100, 0, 1, 0, 0, buf), 0);
  EXPECT_EQ(GetMediaItemTake_Peaks(take, 100, 0, 1, 1, 0, nullptr), 0);
  EXPECT_EQ(GetMediaItemTake_Peaks(AddTakeToMediaItem(item), 100, 0, 1, 1, 0, buf), 0) << "a take without audio";
  EXPECT_EQ(buf[0], -9);
}

TEST_F(media_peaks, real_speech_peaks_match_its_samples) {
  // The alsa voice recording, read by the host and by this test alike.
  const char* path = "/usr/share/sounds/alsa/Front_Center.wav";
  PCM_source* source = PCM_Source_CreateFromFile(path);
  ASSERT_NE(source, nullptr);
  const auto rate = GetMediaSourceSampleRate(source);
  const double length = GetMediaSourceLength(source, nullptr);
  MediaItem* item = kvhost::add_item(track, 0, length, source);
  AudioAccessor* accessor = CreateTakeAudioAccessor(GetActiveTake(item));
  const int frames = static_cast<int>(length * rate);
  std::vector<double> samples(static_cast<std::size_t>(frames));
  ASSERT_EQ(GetAudioAccessorSamples(accessor, rate, 1, 0, frames, samples.data()), 1);
  DestroyAudioAccessor(accessor);
  const int blocks = frames / (rate / 1000);
  std::vector<double> buf(2 * static_cast<std::size_t>(blocks));
  ASSERT_EQ(GetMediaItemTake_Peaks(GetActiveTake(item), 1000, 0, 1, blocks, 0, buf.data()), blocks);
  const auto per_block = static_cast<std::size_t>(rate / 1000);
  for (std::size_t i = 0; i < static_cast<std::size_t>(blocks); i += 97) {
    const auto [low, high] =
        std::minmax_element(samples.begin() + i * per_block, samples.begin() + (i + 1) * per_block);
    EXPECT_EQ(buf[i], *high) << i;
    EXPECT_EQ(buf[blocks + i], *low) << i;
  }
}

}  // namespace
