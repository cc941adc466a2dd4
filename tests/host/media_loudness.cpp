// Loudness of a take as it plays: a tone with known levels.
#include <cmath>
#include <numbers>

#include "media_fixture.hpp"

using namespace kvhost::api;

namespace {

constexpr int rate = 48000;

// 1.2 s silence, then a 1 kHz tone: amplitude 0.1, 0.2 from 2.0 s to 2.4 s, 4 s in all.
std::vector<float> tone_with_a_loud_window() {
  std::vector<float> samples(4 * rate);
  for (int i = static_cast<int>(1.2 * rate); i < 4 * rate; ++i) {
    const double amplitude = i >= 2 * rate && i < static_cast<int>(2.4 * rate) ? 0.2 : 0.1;
    samples[static_cast<std::size_t>(i)] =
        static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * 1000 * i / rate));
  }
  return samples;
}

struct measured {
  bool ok = false;
  double lufs = 1, range = 1, peak = 1, peak_position = -1, short_max = 1, momentary_max = 1, short_position = -1,
         momentary_position = -1;
};

measured analyse(MediaItem_Take* take) {
  measured m;
  m.ok = NF_AnalyzeTakeLoudness2(take, true, &m.lufs, &m.range, &m.peak, &m.peak_position, &m.short_max,
                                 &m.momentary_max, &m.short_position, &m.momentary_position);
  return m;
}

using media_loudness = media_test;

TEST_F(media_loudness, windows_maxima_and_positions) {
  MediaItem* item = item_of(tone_with_a_loud_window(), 10.0, 4.0, rate);
  const measured m = analyse(GetActiveTake(item));
  ASSERT_TRUE(m.ok);
  // A full-scale 1 kHz sine in one channel reads -3.01 LUFS.
  EXPECT_NEAR(m.momentary_max, -3.01 + 20 * std::log10(0.2), 0.1);
  EXPECT_DOUBLE_EQ(m.momentary_position, 10.0 + 0.4 * 5);
  EXPECT_DOUBLE_EQ(m.short_position, 10.0 + 3.0 * 1) << "the last, shorter window ends at the item end";
  EXPECT_GT(m.short_max, -3.01 + 20 * std::log10(0.1));
  EXPECT_LT(m.short_max, m.momentary_max);
  EXPECT_NEAR(m.peak, 20 * std::log10(0.2), 0.1);
  EXPECT_GE(m.peak_position, 2.0);
  EXPECT_LT(m.peak_position, 2.4);
  EXPECT_GT(m.lufs, m.short_max - 6);
  EXPECT_LT(m.lufs, m.momentary_max);
}

TEST_F(media_loudness, take_item_volume_and_active_envelope_count) {
  MediaItem* item = item_of(tone_with_a_loud_window(), 0, 4.0, rate);
  MediaItem_Take* take = GetActiveTake(item);
  const double plain = analyse(take).momentary_max;
  SetMediaItemInfo_Value(item, "D_VOL", 0.5);
  SetMediaItemTakeInfo_Value(take, "D_VOL", 0.5);
  SetMediaItemSelected(item, true);
  Main_OnCommandEx(40693, 0, nullptr);
  InsertEnvelopePoint(GetTakeEnvelopeByName(take, "Volume"), 0, 0.5, 0, 0, false, nullptr);
  EXPECT_NEAR(analyse(take).momentary_max, plain + 3 * 20 * std::log10(0.5), 0.01);
  Main_OnCommandEx(40693, 0, nullptr);  // the envelope is inactive now
  EXPECT_NEAR(analyse(take).momentary_max, plain + 2 * 20 * std::log10(0.5), 0.01);
}

TEST_F(media_loudness, silence_reads_the_floor_and_failures_write_nothing) {
  MediaItem* item = item_of(std::vector<float>(rate), 1.0, 1.0, rate);
  const measured m = analyse(GetActiveTake(item));
  ASSERT_TRUE(m.ok);
  EXPECT_EQ(m.lufs, -150);
  EXPECT_EQ(m.momentary_max, -150);
  EXPECT_EQ(m.short_max, -150);
  EXPECT_EQ(m.peak, -150);
  EXPECT_EQ(m.momentary_position, 1.0);
  EXPECT_TRUE(NF_AnalyzeTakeLoudness2(GetActiveTake(item), false, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                      nullptr, nullptr));

  const measured without_audio = analyse(AddTakeToMediaItem(item));
  EXPECT_FALSE(without_audio.ok);
  EXPECT_EQ(without_audio.momentary_max, 1) << "nothing written";
  EXPECT_FALSE(analyse(nullptr).ok);
  SetMediaItemInfo_Value(item, "D_LENGTH", 0);
  EXPECT_FALSE(analyse(GetMediaItemTake(item, 0)).ok);
}

}  // namespace
