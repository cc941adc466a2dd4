// Actions on the selected items: crop, volume envelope toggle and rendering
// to a real file in the project folder.
#include <filesystem>
#include <vector>

#include "media_fixture.hpp"
#include "model/sound.hpp"

using namespace kvhost::api;

namespace {

using media_actions = media_test;

TEST_F(media_actions, commands_run_on_the_selection_and_are_logged) {
  MediaItem* cropped = item_of({0.1f}, 0, 0.001);
  AddTakeToMediaItem(cropped);
  MediaItem_Take* kept = AddTakeToMediaItem(cropped);
  MediaItem* untouched = item_of({0.1f}, 1, 0.001);
  AddTakeToMediaItem(untouched);
  SetMediaItemSelected(cropped, true);
  Main_OnCommandEx(40131, 0, nullptr);
  EXPECT_EQ(CountTakes(cropped), 1);
  EXPECT_EQ(GetActiveTake(cropped), kept);
  EXPECT_EQ(CountTakes(untouched), 2);
  ASSERT_EQ(kvhost::commands().size(), 1u);
  EXPECT_EQ(kvhost::commands()[0].command, 40131);
  EXPECT_EQ(kvhost::commands()[0].selected_items, std::vector<MediaItem*>{cropped});
}

TEST_F(media_actions, volume_envelope_toggles) {
  MediaItem* item = item_of({0.1f}, 0, 0.001);
  MediaItem_Take* take = GetActiveTake(item);
  SetMediaItemSelected(item, true);
  Main_OnCommandEx(40693, 0, nullptr);
  TrackEnvelope* volume = GetTakeEnvelopeByName(take, "Volume");
  ASSERT_NE(volume, nullptr);
  EXPECT_EQ(GetTakeEnvelope(take, 0), volume);
  char name[16] = "";
  ASSERT_TRUE(GetEnvelopeName(volume, name, sizeof name));
  EXPECT_STREQ(name, "Volume");
  double time = -1, value = -1;
  ASSERT_TRUE(GetEnvelopePoint(volume, 0, &time, &value, nullptr, nullptr, nullptr));
  EXPECT_EQ(time, 0);
  EXPECT_EQ(value, 1);
  bool active = false, visible = false;
  BR_Envelope* copy = BR_EnvAlloc(volume, false);
  BR_EnvGetProperties(copy, &active, &visible, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                      nullptr, nullptr);
  BR_EnvFree(copy, false);
  EXPECT_TRUE(active && visible);
  Main_OnCommandEx(40693, 0, nullptr);
  copy = BR_EnvAlloc(volume, false);
  BR_EnvGetProperties(copy, &active, &visible, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                      nullptr, nullptr);
  BR_EnvFree(copy, false);
  EXPECT_FALSE(active || visible);
  EXPECT_EQ(CountTakeEnvelopes(take), 1) << "hidden, not removed";
}

// Reads what the render wrote, as a test outside the host would.
std::vector<float> file_samples(MediaItem_Take* take) {
  char path[4096] = "";
  GetMediaSourceFileName(GetMediaItemTake_Source(take), path, sizeof path);
  auto audio = kvhost::model::read_sound_file(path);
  return audio ? audio->samples : std::vector<float>{};
}

TEST_F(media_actions, render_writes_the_take_times_its_volume_envelope) {
  // 1024 Hz keeps every time exact; the item plays source frames 5..14.
  constexpr double frame = 1.0 / 1024;
  MediaItem* item = item_of(ramp(20, 0.01f), 3.0, 10 * frame, 1024);
  MediaItem_Take* take = GetActiveTake(item);
  SetMediaItemTakeInfo_Value(take, "D_STARTOFFS", 5 * frame);
  SetMediaItemSelected(item, true);
  Main_OnCommandEx(40693, 0, nullptr);
  TrackEnvelope* volume = GetTakeEnvelopeByName(take, "Volume");
  // Unity at 0 (the point made with the envelope), down to 0.5 at frame 4, 0.25 at frame 8.
  InsertEnvelopePoint(volume, 4 * frame, 0.5, 0, 0, false, nullptr);
  InsertEnvelopePoint(volume, 8 * frame, 0.25, 0, 0, false, nullptr);
  Main_OnCommandEx(41999, 0, nullptr);

  ASSERT_EQ(CountTakes(item), 2);
  MediaItem_Take* rendered = GetActiveTake(item);
  ASSERT_NE(rendered, take);
  char folder[4096] = "";
  GetProjectPath(folder, sizeof folder);
  char path[4096] = "";
  GetMediaSourceFileName(GetMediaItemTake_Source(rendered), path, sizeof path);
  EXPECT_EQ(std::filesystem::path(path).parent_path(), std::filesystem::path(folder));
  const std::vector<float> written = file_samples(rendered);
  ASSERT_EQ(written.size(), 10u);
  const double gains[10] = {1, 0.875, 0.75, 0.625, 0.5, 0.4375, 0.375, 0.3125, 0.25, 0.25};
  for (std::size_t k = 0; k < 10; ++k)
    EXPECT_EQ(written[k], static_cast<float>(static_cast<double>(0.01f * static_cast<float>(k + 5)) * gains[k])) << k;

  // The rendered take plays from its own start; an inactive envelope is not applied.
  EXPECT_EQ(GetMediaItemTakeInfo_Value(rendered, "D_STARTOFFS"), 0);
  SetActiveTake(take);
  Main_OnCommandEx(40693, 0, nullptr);  // hidden and inactive now
  Main_OnCommandEx(41999, 0, nullptr);
  const std::vector<float> plain = file_samples(GetActiveTake(item));
  ASSERT_EQ(plain.size(), 10u);
  for (std::size_t k = 0; k < 10; ++k) EXPECT_EQ(plain[k], 0.01f * static_cast<float>(k + 5));
}

}  // namespace
