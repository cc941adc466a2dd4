// What the track operations hand to the host, and what they read back from
// it, checked against host functions that are missing or stubbed: a missing
// host function throws, so any host call shows.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "api/track/track_color_operations.hpp"
#include "api/track/track_depth_operations.hpp"
#include "api/track/track_insert_operations.hpp"
#include "api/track/track_lookup_operations.hpp"
#include "api/track/track_name_operations.hpp"
#include "api/track/track_select_operations.hpp"
#include "api/track/track_switch_operations.hpp"
#include "api/track/track_volume_operations.hpp"
#include "entry/host_import.hpp"

using namespace KV_COBALT;

namespace {

double stored_value = 0;
double GetValueStub(MediaTrack*, const char*) { return stored_value; }

MediaTrack* const some_track = reinterpret_cast<MediaTrack*>(0x1000);
MediaTrack* GetTrackStub(ReaProject*, int) { return some_track; }

struct track_host_boundary : ::testing::Test {
  void SetUp() override {
    const auto& table = host::host_import_table;
    for (int i = 0; i < table.count; ++i) table.slots[i]->resolve(nullptr);
  }
  static void stub_value(double value) {
    stored_value = value;
    host::GetMediaTrackInfo_Value.resolve(reinterpret_cast<void*>(&GetValueStub));
  }
  // Index forms look the track up first; that is the only call they may make.
  static void stub_lookup() { host::GetTrack.resolve(reinterpret_cast<void*>(&GetTrackStub)); }
};

TEST_F(track_host_boundary, null_track_in_a_handle_form_fails_without_a_host_call) {
  bool flag = true;
  int number = 7, r = 7, g = 7, b = 7;
  double volume = 7;
  char name[8] = "keep";
  EXPECT_FALSE(GetTrackItemMute(nullptr, &flag));
  EXPECT_FALSE(SetTrackItemMute(nullptr, true));
  EXPECT_FALSE(GetTrackItemSolo(nullptr, &flag));
  EXPECT_FALSE(SetTrackItemSolo(nullptr, true));
  EXPECT_FALSE(GetTrackItemColor(nullptr, &number, &r, &g, &b));
  EXPECT_FALSE(SetTrackItemColor(nullptr, 0xFF));
  EXPECT_FALSE(SetTrackItemRGB(nullptr, 1, 2, 3));
  EXPECT_FALSE(GetTrackItemDepth(nullptr, &number));
  EXPECT_FALSE(SetTrackItemDepth(nullptr, 0));
  EXPECT_FALSE(GetTrackItemName(nullptr, name, sizeof name));
  EXPECT_FALSE(SetTrackItemName(nullptr, "x"));
  EXPECT_FALSE(SetTrackItemOnlySelected(nullptr));
  EXPECT_FALSE(GetTrackItemVolume(nullptr, &volume));
  EXPECT_FALSE(SetTrackItemVolume(nullptr, 0));
  EXPECT_FALSE(SetTrackItemAddVolume(nullptr, 0));
  EXPECT_EQ(InsertChildTrack(nullptr, &number), nullptr);
  EXPECT_FALSE(GetTrackItemIndex(nullptr, &number));
  EXPECT_EQ(number, 0) << "not found reads as index 0";
  EXPECT_TRUE(flag);
  EXPECT_EQ(r + g + b, 21);
  EXPECT_EQ(volume, 7);
  EXPECT_STREQ(name, "keep");
}

TEST_F(track_host_boundary, null_out_pointers_fail_before_any_host_call) {
  stub_lookup();
  int number = 0;
  EXPECT_FALSE(GetTrackItemMute(some_track, nullptr));
  EXPECT_FALSE(GetTrackIdSolo(nullptr, 0, nullptr));
  EXPECT_FALSE(GetTrackItemColor(some_track, &number, &number, nullptr, &number));
  EXPECT_FALSE(GetTrackIdColor(nullptr, 0, nullptr, &number, &number, &number));
  EXPECT_FALSE(GetTrackItemDepth(some_track, nullptr));
  EXPECT_FALSE(GetTrackIdDepth(nullptr, 0, nullptr));
  EXPECT_FALSE(GetTrackItemName(some_track, nullptr, 16));
  EXPECT_FALSE(GetTrackItemVolume(some_track, nullptr));
  EXPECT_FALSE(GetTrackItemIndex(some_track, nullptr));
  EXPECT_FALSE(GetTrackCountSelect(nullptr, 0, nullptr));
}

TEST_F(track_host_boundary, mute_reads_only_zero_and_one) {
  struct reading {
    double stored;
    bool result;
    bool written;
  };
  const double not_a_number = std::numeric_limits<double>::quiet_NaN();
  for (auto [stored, result, written] :
       {reading{0, false, true}, reading{1, true, true}, reading{2, false, false}, reading{0.5, false, false},
        reading{-1, false, false}, reading{not_a_number, false, false}}) {
    stub_value(stored);
    bool muted = !result;  // the opposite of what a write would leave
    EXPECT_EQ(GetTrackItemMute(some_track, &muted), result) << stored;
    EXPECT_EQ(muted, written ? result : !result) << stored;
  }
}

TEST_F(track_host_boundary, solo_reads_every_mode_as_soloed) {
  const double not_a_number = std::numeric_limits<double>::quiet_NaN();
  for (double mode : {1.0, 2.0, 5.0, 6.0}) {
    stub_value(mode);
    bool soloed = false;
    EXPECT_TRUE(GetTrackItemSolo(some_track, &soloed)) << mode;
    EXPECT_TRUE(soloed) << mode;
  }
  stub_value(0);
  bool soloed = true;
  EXPECT_FALSE(GetTrackItemSolo(some_track, &soloed));
  EXPECT_FALSE(soloed);
  stub_lookup();
  for (double unreadable : {0.5, -1.0, not_a_number}) {
    stub_value(unreadable);
    soloed = true;
    EXPECT_FALSE(GetTrackIdSolo(nullptr, 0, &soloed)) << unreadable;
    EXPECT_TRUE(soloed) << "left unwritten for " << unreadable;
  }
}

TEST_F(track_host_boundary, unusable_gain_is_never_written) {
  // Only the read is stubbed: a write would throw for the missing setter.
  stub_value(0);
  EXPECT_FALSE(SetTrackItemAddVolume(some_track, std::numeric_limits<double>::infinity()));
  stub_value(-1);
  EXPECT_FALSE(SetTrackItemAddVolume(some_track, 3));
  EXPECT_FALSE(SetTrackItemVolume(some_track, std::nan("")));
  EXPECT_FALSE(SetTrackItemVolume(some_track, 1e6));
}

}  // namespace
