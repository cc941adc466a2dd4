// Named commands and their toggle states, the time map in other signatures,
// project names from their files, and what a split gives each part.
#include <string>

#include "media_fixture.hpp"
#include "model/state.hpp"

using namespace kvhost::api;

namespace {

using reaper_functions = media_test;

TEST_F(reaper_functions, named_commands_have_session_ids_and_toggle_states) {
  const int id = plugin_register("command_id", const_cast<char*>("KV_TEST_TOGGLE"));
  ASSERT_GT(id, 0);
  EXPECT_EQ(plugin_register("command_id", const_cast<char*>("KV_TEST_TOGGLE")), id);
  EXPECT_NE(plugin_register("command_id", const_cast<char*>("KV_TEST_OTHER")), id);
  EXPECT_EQ(NamedCommandLookup("_KV_TEST_TOGGLE"), id);
  EXPECT_EQ(NamedCommandLookup("KV_TEST_TOGGLE"), 0);
  EXPECT_STREQ(ReverseNamedCommandLookup(id), "KV_TEST_TOGGLE");
  EXPECT_EQ(GetToggleCommandState(id), -1);
  EXPECT_TRUE(SetToggleCommandState(0, id, 1));
  EXPECT_EQ(GetToggleCommandStateEx(0, id), 1);
  EXPECT_EQ(GetToggleCommandStateEx(32060, id), -1) << "each section keeps its own";
  EXPECT_FALSE(SetToggleCommandState(0, 40001, 1));
}

TEST_F(reaper_functions, time_map_counts_the_denominators_notes) {
  kvhost::model::state().current->tempo = {90, 6, 8};
  int measures = -1, cml = 0, denominator = 0;
  double full = 0;
  // 90 quarter notes a minute: 3 eighths a second, 6 to a measure.
  EXPECT_DOUBLE_EQ(TimeMap2_timeToBeats(nullptr, 2.5, &measures, &cml, &full, &denominator), 1.5);
  EXPECT_EQ(measures, 1);
  EXPECT_EQ(cml, 6);
  EXPECT_EQ(denominator, 8);
  EXPECT_DOUBLE_EQ(full, 7.5);
  const int measure = 1;
  EXPECT_DOUBLE_EQ(TimeMap2_beatsToTime(nullptr, 1.5, &measure), 2.5);
  EXPECT_DOUBLE_EQ(TimeMap_GetDividedBpmAtTime(0), 180);
  double bpm = 0, bpi = 0;
  GetProjectTimeSignature2(nullptr, &bpm, &bpi);
  EXPECT_EQ(bpm, 90);
  EXPECT_EQ(bpi, 6);
  kvhost::model::state().current->tempo = {0, 0, 4};
  EXPECT_EQ(TimeMap2_beatsToTime(nullptr, 1, nullptr), 0) << "no map from a tempo of 0";
}

TEST_F(reaper_functions, saved_projects_are_named_by_their_file) {
  kvhost::model::state().current->file = "/music/Song One.RPP";
  char name[64] = "untouched", file[64] = "";
  GetProjectName(nullptr, name, sizeof name);
  EXPECT_STREQ(name, "Song One.RPP");
  EXPECT_EQ(EnumProjects(-1, file, sizeof file), kvhost::current_project());
  EXPECT_STREQ(file, "/music/Song One.RPP");
}

TEST_F(reaper_functions, split_parts_play_on_from_the_cut) {
  MediaItem* item = item_of(ramp(100, 0.01f), 1, 0.1);
  MediaItem_Take* take = GetActiveTake(item);
  TrackEnvelope* volume = kvhost::add_take_envelope(take, "Volume");
  InsertEnvelopePoint(volume, 0.06, 0.5, 0, 0, false, nullptr);
  MediaItem* right = SplitMediaItem(item, 1.04);
  ASSERT_NE(right, nullptr);
  MediaItem_Take* right_take = GetActiveTake(right);
  EXPECT_NEAR(GetMediaItemTakeInfo_Value(right_take, "D_STARTOFFS"), 0.04, 1e-12);
  double time = 0;
  ASSERT_TRUE(
      GetEnvelopePoint(GetTakeEnvelopeByName(right_take, "Volume"), 0, &time, nullptr, nullptr, nullptr, nullptr));
  EXPECT_NEAR(time, 0.02, 1e-12);
  EXPECT_EQ(GetMediaSourceNumChannels(GetMediaItemTake_Source(right_take)), 1);
  EXPECT_NE(GetMediaItemTake_Source(right_take), GetMediaItemTake_Source(take)) << "each take owns its source";
}

}  // namespace
