// The SWS functions the host offers: the envelope object edits a copy and
// commits on free; the functions are found by name and can be hidden.
#include <cmath>

#include "loader/functions.hpp"
#include "media_fixture.hpp"

using namespace kvhost::api;

namespace {

struct media_sws : media_test {
  void SetUp() override {
    media_test::SetUp();
    item = item_of(std::vector<float>(1000), 3.0, 1.0);
    take = GetActiveTake(item);
    SetMediaItemSelected(item, true);
    Main_OnCommandEx(40693, 0, nullptr);
    volume = GetTakeEnvelopeByName(take, "Volume");
    InsertEnvelopePoint(volume, 0.5, 0.5, 0, 0, false, nullptr);
  }
  void TearDown() override { kvhost::show_all_functions(); }

  static double point_time(BR_Envelope* copy, int id) {
    double position = -1;
    BR_EnvGetPoint(copy, id, &position, nullptr, nullptr, nullptr, nullptr);
    return position;
  }

  MediaItem* item = nullptr;
  MediaItem_Take* take = nullptr;
  TrackEnvelope* volume = nullptr;
};

TEST_F(media_sws, envelope_copy_commits_only_when_freed_with_commit) {
  BR_Envelope* copy = BR_EnvAlloc(volume, false);
  ASSERT_EQ(BR_EnvCountPoints(copy), 2);
  ASSERT_TRUE(BR_EnvSetPoint(copy, 0, 0.1, 0.8, 0, false, 0));
  ASSERT_TRUE(BR_EnvSetPoint(copy, -1, 0.05, 0.3, 0, true, 0));  // appended, out of time order
  EXPECT_EQ(point_time(copy, 2), 0.05) << "ids are positions in the copy's own list";
  EXPECT_FALSE(BR_EnvSetPoint(copy, 3, 0.2, 1, 0, false, 0));
  EXPECT_FALSE(BR_EnvDeletePoint(copy, 3));
  EXPECT_FALSE(BR_EnvDeletePoint(copy, -1));
  double value = -9;
  EXPECT_FALSE(BR_EnvGetPoint(copy, 3, nullptr, &value, nullptr, nullptr, nullptr));
  EXPECT_EQ(value, -9);
  EXPECT_EQ(BR_EnvCountPoints(copy), 3);
  EXPECT_EQ(CountEnvelopePoints(volume), 2) << "the envelope itself is untouched until commit";

  BR_EnvSortPoints(copy);
  EXPECT_EQ(point_time(copy, 0), 0.05);
  EXPECT_EQ(point_time(copy, 2), 0.5);
  EXPECT_FALSE(BR_EnvFree(copy, false));
  EXPECT_EQ(CountEnvelopePoints(volume), 2);
  EXPECT_EQ(BR_EnvCountPoints(copy), 0) << "a freed object is gone";

  copy = BR_EnvAlloc(volume, false);
  BR_EnvDeletePoint(copy, 0);
  BR_EnvSetPoint(copy, -1, 0.25, 0.7, 0, false, 0);
  BR_EnvSetPoint(copy, -1, 0.75, 0.6, 0, false, 0);
  ASSERT_TRUE(BR_EnvFree(copy, true));
  ASSERT_EQ(CountEnvelopePoints(volume), 3);
  double time = 0;
  GetEnvelopePoint(volume, 0, &time, &value, nullptr, nullptr, nullptr);
  EXPECT_EQ(time, 0.25);
  EXPECT_EQ(value, 0.7);
  GetEnvelopePoint(volume, 1, &time, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(time, 0.5) << "committed points are in time order";
}

TEST_F(media_sws, project_time_and_properties) {
  BR_Envelope* copy = BR_EnvAlloc(volume, true);
  EXPECT_EQ(point_time(copy, 1), 3.5) << "item position plus take time";
  BR_EnvSetPoint(copy, 1, 3.25, 0.5, 0, false, 0);
  int options = 3;
  BR_EnvSetProperties(copy, false, true, true, false, 40, 1, true, &options);
  ASSERT_TRUE(BR_EnvFree(copy, true));
  double time = 0;
  GetEnvelopePoint(volume, 1, &time, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(time, 0.25);

  copy = BR_EnvAlloc(volume, false);
  bool active = true, visible = false, armed = false, in_lane = true, fader = false;
  int height = 0, shape = 0, type = -1, read_options = 0;
  double low = -1, high = -1, centre = -1;
  BR_EnvGetProperties(copy, &active, &visible, &armed, &in_lane, &height, &shape, &low, &high, &centre, &type, &fader,
                      &read_options);
  EXPECT_FALSE(active);
  EXPECT_TRUE(visible && armed && fader);
  EXPECT_FALSE(in_lane);
  EXPECT_EQ(height, 40);
  EXPECT_EQ(shape, 1);
  EXPECT_EQ(read_options, 3);
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 2);
  EXPECT_EQ(centre, 1);
  BR_EnvSetProperties(copy, true, true, false, false, 0, 0, false, nullptr);  // options kept
  BR_EnvGetProperties(copy, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                      nullptr, &read_options);
  EXPECT_EQ(read_options, 3);
  BR_EnvFree(copy, false);
}

// SWS keeps what it is given; refusing non-finite points here would hide a
// caller's fault from the tests that look for it.
TEST_F(media_sws, non_finite_points_are_kept_as_given) {
  BR_Envelope* copy = BR_EnvAlloc(volume, false);
  EXPECT_TRUE(BR_EnvSetPoint(copy, 0, 0.2, std::nan(""), 0, false, 0));
  EXPECT_TRUE(BR_EnvSetPoint(copy, -1, std::nan(""), HUGE_VAL, 0, false, 0));
  BR_EnvSetPoint(copy, -1, 0.1, 0.5, 0, false, 0);
  ASSERT_TRUE(BR_EnvFree(copy, true));
  ASSERT_EQ(CountEnvelopePoints(volume), 4);
  double times[4], values[4];
  for (int i = 0; i < 4; ++i) GetEnvelopePoint(volume, i, &times[i], &values[i], nullptr, nullptr, nullptr);
  EXPECT_EQ(times[0], 0.1);
  EXPECT_TRUE(std::isnan(values[1])) << "the point at 0.2";
  EXPECT_EQ(times[2], 0.5);
  EXPECT_TRUE(std::isnan(times[3]) && values[3] == HUGE_VAL) << "a point without a time sorts last";
}

TEST_F(media_sws, commit_to_a_deleted_envelope_changes_nothing) {
  BR_Envelope* copy = BR_EnvAlloc(volume, false);
  DeleteTrackMediaItem(track, item);
  BR_EnvSetPoint(copy, -1, 0.1, 1, 0, false, 0);
  EXPECT_FALSE(BR_EnvFree(copy, true));
}

TEST_F(media_sws, found_by_name_and_hidden_as_if_not_installed) {
  EXPECT_EQ(kvhost::get_func("BR_EnvAlloc"), reinterpret_cast<void*>(&BR_EnvAlloc));
  EXPECT_EQ(kvhost::get_func("NF_AnalyzeTakeLoudness2"), reinterpret_cast<void*>(&NF_AnalyzeTakeLoudness2));
  kvhost::hide_sws_functions();
  for (const char* name :
       {"BR_EnvAlloc", "BR_EnvCountPoints", "BR_EnvDeletePoint", "BR_EnvFree", "BR_EnvGetPoint", "BR_EnvSetPoint",
        "BR_EnvGetProperties", "BR_EnvSetProperties", "BR_EnvSortPoints", "NF_AnalyzeTakeLoudness2"})
    EXPECT_EQ(kvhost::get_func(name), nullptr) << name;
  EXPECT_NE(kvhost::get_func("GetActiveTake"), nullptr);
  kvhost::show_all_functions();
  EXPECT_NE(kvhost::get_func("BR_EnvFree"), nullptr);
}

}  // namespace
