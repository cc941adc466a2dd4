// Track list, names, selection, folders, properties and colours.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "api/host_api.hpp"
#include "simulation.hpp"

using namespace kvhost::api;

namespace {

struct model_tracks : ::testing::Test {
  void SetUp() override { kvhost::reset(); }

  static std::vector<MediaTrack*> add_tracks(int count) {
    for (int i = 0; i < count; ++i) InsertTrackAtIndex(CountTracks(nullptr), false);
    std::vector<MediaTrack*> tracks;
    for (int i = 0; i < count; ++i) tracks.push_back(GetTrack(nullptr, i));
    return tracks;
  }

  static std::string name_of(MediaTrack* track) {
    char buffer[64] = "";
    GetTrackName(track, buffer, sizeof buffer);
    return buffer;
  }

  static std::vector<int> depths(const std::vector<MediaTrack*>& tracks) {
    std::vector<int> result;
    for (auto* track : tracks) result.push_back(GetTrackDepth(track));
    return result;
  }

  static void set_folder_depths(const std::vector<MediaTrack*>& tracks, const std::vector<int>& folder_depths) {
    for (std::size_t i = 0; i < tracks.size(); ++i)
      SetMediaTrackInfo_Value(tracks[i], "I_FOLDERDEPTH", folder_depths[i]);
  }
};

TEST_F(model_tracks, insertion_clamps_index_and_keeps_order) {
  auto tracks = add_tracks(2);
  InsertTrackAtIndex(-5, false);
  InsertTrackAtIndex(99, true);
  ASSERT_EQ(CountTracks(nullptr), 4);
  EXPECT_EQ(GetTrack(nullptr, 1), tracks[0]);
  EXPECT_EQ(GetTrack(nullptr, 2), tracks[1]);
  EXPECT_EQ(GetTrack(nullptr, 4), nullptr);
  EXPECT_EQ(GetTrack(nullptr, -1), nullptr);
  EXPECT_EQ(GetMediaTrackInfo_Value(tracks[1], "IP_TRACKNUMBER"), 3);
}

TEST_F(model_tracks, new_track_defaults) {
  MediaTrack* track = add_tracks(1)[0];
  EXPECT_EQ(GetMediaTrackInfo_Value(track, "D_VOL"), 1.0);
  EXPECT_EQ(GetMediaTrackInfo_Value(track, "I_SELECTED"), 0);
  EXPECT_EQ(GetMediaTrackInfo_Value(track, "I_FOLDERDEPTH"), 0);
  EXPECT_EQ(GetTrackDepth(track), 0);
  EXPECT_EQ(GetTrackColor(track), 0);
  char name[8] = "x";
  EXPECT_TRUE(GetSetMediaTrackInfo_String(track, "P_NAME", name, false));
  EXPECT_STREQ(name, "");
}

TEST_F(model_tracks, insert_at_index_targets_current_project_only) {
  ReaProject* other = kvhost::create_project();
  InsertTrackAtIndex(0, false);
  InsertTrackInProject(other, 0, 0);
  InsertTrackInProject(other, 7, 1);
  EXPECT_EQ(CountTracks(nullptr), 1);
  EXPECT_EQ(CountTracks(other), 2);
  ASSERT_TRUE(kvhost::set_current_project(other));
  EXPECT_EQ(CountTracks(nullptr), 2);
  EXPECT_EQ(GetMediaTrackInfo_Value(GetTrack(nullptr, 0), "P_PROJECT"),
            static_cast<double>(reinterpret_cast<std::uintptr_t>(other)));
}

TEST_F(model_tracks, default_names_follow_position) {
  auto tracks = add_tracks(3);
  char name[] = "Bass";
  ASSERT_TRUE(GetSetMediaTrackInfo_String(tracks[1], "P_NAME", name, true));
  EXPECT_EQ(name_of(tracks[0]), "Track 1");
  EXPECT_EQ(name_of(tracks[1]), "Bass");
  EXPECT_EQ(name_of(tracks[2]), "Track 3");
  DeleteTrack(tracks[0]);
  EXPECT_EQ(name_of(tracks[2]), "Track 2");
  EXPECT_EQ(name_of(kvhost::master_track(nullptr)), "MASTER");
}

TEST_F(model_tracks, name_buffer_is_truncated_and_terminated) {
  MediaTrack* track = add_tracks(1)[0];
  char buffer[4] = {'a', 'b', 'c', 'd'};
  EXPECT_TRUE(GetTrackName(track, buffer, 4));
  EXPECT_STREQ(buffer, "Tra");
  char untouched[2] = {'z', 'z'};
  EXPECT_TRUE(GetTrackName(track, untouched, 0));
  EXPECT_EQ(untouched[0], 'z');
}

TEST_F(model_tracks, selection_counts_master_only_when_asked) {
  auto tracks = add_tracks(3);
  MediaTrack* master = kvhost::master_track(nullptr);
  SetTrackSelected(master, true);
  SetTrackSelected(tracks[2], true);
  SetTrackSelected(tracks[0], true);
  EXPECT_EQ(CountSelectedTracks2(nullptr, false), 2);
  EXPECT_EQ(CountSelectedTracks2(nullptr, true), 3);
  EXPECT_EQ(GetSelectedTrack(nullptr, 0), tracks[0]);
  EXPECT_EQ(GetSelectedTrack(nullptr, 1), tracks[2]);
  EXPECT_EQ(GetSelectedTrack(nullptr, 2), nullptr);
}

TEST_F(model_tracks, only_selected_clears_master_and_others) {
  auto tracks = add_tracks(3);
  SetTrackSelected(kvhost::master_track(nullptr), true);
  SetTrackSelected(tracks[0], true);
  SetOnlyTrackSelected(tracks[1]);
  EXPECT_EQ(CountSelectedTracks2(nullptr, true), 1);
  EXPECT_EQ(GetSelectedTrack(nullptr, 0), tracks[1]);
  EXPECT_EQ(GetMediaTrackInfo_Value(tracks[0], "I_SELECTED"), 0);
  SetOnlyTrackSelected(kvhost::master_track(nullptr));
  EXPECT_EQ(CountSelectedTracks2(nullptr, false), 0);
  EXPECT_EQ(CountSelectedTracks2(nullptr, true), 1);
}

TEST_F(model_tracks, selection_follows_inserts_and_deletes) {
  auto tracks = add_tracks(3);
  SetMediaTrackInfo_Value(tracks[1], "I_SELECTED", 1);
  SetTrackSelected(tracks[2], true);
  EXPECT_EQ(GetSelectedTrack(nullptr, 0), tracks[1]);
  DeleteTrack(tracks[1]);
  InsertTrackAtIndex(0, false);
  EXPECT_EQ(CountSelectedTracks2(nullptr, false), 1);
  EXPECT_EQ(GetSelectedTrack(nullptr, 0), tracks[2]);
}

TEST_F(model_tracks, nested_folders_give_depth_and_parent) {
  // A folder holding a track and a subfolder of two tracks, then a top-level track.
  auto tracks = add_tracks(6);
  set_folder_depths(tracks, {1, 0, 1, 0, -2, 0});
  EXPECT_EQ(depths(tracks), (std::vector<int>{0, 1, 1, 2, 2, 0}));
  EXPECT_EQ(GetParentTrack(tracks[0]), nullptr);
  EXPECT_EQ(GetParentTrack(tracks[1]), tracks[0]);
  EXPECT_EQ(GetParentTrack(tracks[2]), tracks[0]);
  EXPECT_EQ(GetParentTrack(tracks[3]), tracks[2]);
  EXPECT_EQ(GetParentTrack(tracks[4]), tracks[2]);
  EXPECT_EQ(GetParentTrack(tracks[5]), nullptr);
  EXPECT_EQ(GetParentTrack(kvhost::master_track(nullptr)), nullptr);
}

TEST_F(model_tracks, depth_never_goes_below_zero) {
  auto tracks = add_tracks(3);
  set_folder_depths(tracks, {-3, 1, 0});
  EXPECT_EQ(depths(tracks), (std::vector<int>{0, 0, 1}));
}

TEST_F(model_tracks, folder_change_is_seen_by_later_reads) {
  auto tracks = add_tracks(3);
  EXPECT_EQ(depths(tracks), (std::vector<int>{0, 0, 0}));
  SetMediaTrackInfo_Value(tracks[0], "I_FOLDERDEPTH", 1);
  EXPECT_EQ(depths(tracks), (std::vector<int>{0, 1, 1}));
  EXPECT_EQ(GetParentTrack(tracks[2]), tracks[0]);
  SetMediaTrackInfo_Value(tracks[1], "I_FOLDERDEPTH", -1);
  EXPECT_EQ(depths(tracks), (std::vector<int>{0, 1, 0}));
  EXPECT_EQ(GetParentTrack(tracks[2]), nullptr);
}

TEST_F(model_tracks, insert_and_delete_in_a_folder_move_the_layout) {
  auto tracks = add_tracks(3);
  set_folder_depths(tracks, {1, -1, 0});
  EXPECT_EQ(GetParentTrack(tracks[1]), tracks[0]);
  InsertTrackAtIndex(1, false);
  MediaTrack* inserted = GetTrack(nullptr, 1);
  EXPECT_EQ(GetParentTrack(inserted), tracks[0]);
  EXPECT_EQ(GetTrackDepth(tracks[1]), 1);
  DeleteTrack(tracks[0]);
  EXPECT_EQ(GetTrackDepth(inserted), 0);
  EXPECT_EQ(GetParentTrack(inserted), nullptr);
  EXPECT_EQ(GetMediaTrackInfo_Value(tracks[2], "IP_TRACKNUMBER"), 3);
}

TEST_F(model_tracks, value_keys) {
  MediaTrack* track = add_tracks(1)[0];
  EXPECT_TRUE(SetMediaTrackInfo_Value(track, "B_MUTE", 5));
  EXPECT_EQ(GetMediaTrackInfo_Value(track, "B_MUTE"), 1);
  EXPECT_TRUE(SetMediaTrackInfo_Value(track, "I_SOLO", 6));
  EXPECT_EQ(GetMediaTrackInfo_Value(track, "I_SOLO"), 6);
  EXPECT_TRUE(SetMediaTrackInfo_Value(track, "D_VOL", 0.25));
  EXPECT_EQ(GetMediaTrackInfo_Value(track, "D_VOL"), 0.25);
  EXPECT_TRUE(SetMediaTrackInfo_Value(track, "I_FOLDERDEPTH", 1e300));
  EXPECT_GT(GetMediaTrackInfo_Value(track, "I_FOLDERDEPTH"), 0);
  EXPECT_FALSE(SetMediaTrackInfo_Value(track, "P_PROJECT", 0));
  EXPECT_FALSE(SetMediaTrackInfo_Value(track, "IP_TRACKNUMBER", 4));
  EXPECT_FALSE(SetMediaTrackInfo_Value(track, "NO_SUCH_KEY", 1));
  EXPECT_FALSE(SetMediaTrackInfo_Value(track, nullptr, 1));
  EXPECT_EQ(GetMediaTrackInfo_Value(track, "NO_SUCH_KEY"), 0);
  EXPECT_EQ(GetMediaTrackInfo_Value(kvhost::master_track(nullptr), "IP_TRACKNUMBER"), -1);
  EXPECT_EQ(GetMediaTrackInfo_Value(kvhost::master_track(nullptr), "P_PROJECT"),
            static_cast<double>(reinterpret_cast<std::uintptr_t>(kvhost::current_project())));
}

TEST_F(model_tracks, name_get_is_limited_to_the_big_buffer) {
  MediaTrack* track = add_tracks(1)[0];
  std::string long_name(5000, 'n');
  ASSERT_TRUE(GetSetMediaTrackInfo_String(track, "P_NAME", long_name.data(), true));
  std::vector<char> buffer(6000, 'x');
  ASSERT_TRUE(GetSetMediaTrackInfo_String(track, "P_NAME", buffer.data(), false));
  EXPECT_EQ(std::string(buffer.data()), std::string(4095, 'n'));
  EXPECT_EQ(buffer[4096], 'x');
  char other[] = "x";
  EXPECT_FALSE(GetSetMediaTrackInfo_String(track, "P_OTHER", other, false));
}

TEST_F(model_tracks, colour_native_roundtrip_and_track_colour) {
  const int native = ColorToNative(0x12, 0x34, 0x56);
#ifdef _WIN32
  EXPECT_EQ(native, 0x563412);
#else
  EXPECT_EQ(native, 0x123456);
#endif
#ifndef _WIN32
  // The host's macro packs the components unchecked: they spill into other bits.
  EXPECT_EQ(ColorToNative(300, -1, 0), static_cast<int>((300u << 16) | (~0u << 8)));
  EXPECT_LT(ColorToNative(300, -1, 0), 0);
#endif
  int r = 0, g = 0, b = 0;
  ColorFromNative(native | 0x7F000000, &r, &g, &b);
  EXPECT_EQ(r, 0x12);
  EXPECT_EQ(g, 0x34);
  EXPECT_EQ(b, 0x56);
  ColorFromNative(native, nullptr, &g, nullptr);

  MediaTrack* track = add_tracks(1)[0];
  EXPECT_EQ(GetTrackColor(track), 0);
  SetTrackColor(track, native);
  EXPECT_EQ(GetTrackColor(track), native | 0x1000000);
  SetTrackColor(track, 0);
  EXPECT_EQ(GetTrackColor(track), 0x1000000) << "black is a colour of its own";
  EXPECT_TRUE(SetMediaTrackInfo_Value(track, "I_CUSTOMCOLOR", 0));
  EXPECT_EQ(GetTrackColor(track), 0);
}

}  // namespace
