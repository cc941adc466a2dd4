// Null, foreign and deleted handles are answered safely and change nothing.
#include <gtest/gtest.h>

#include "api/host_api.hpp"
#include "simulation.hpp"

using namespace kvhost::api;

namespace {

struct model_handles : ::testing::Test {
  void SetUp() override { kvhost::reset(); }

  // Calls every function taking a track and checks the neutral answers.
  static void expect_track_ignored(MediaTrack* track) {
    char buffer[16] = "untouched";
    EXPECT_FALSE(GetTrackName(track, buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "untouched");
    EXPECT_EQ(GetParentTrack(track), nullptr);
    EXPECT_EQ(GetTrackDepth(track), 0);
    EXPECT_EQ(GetMediaTrackInfo_Value(track, "D_VOL"), 0);
    EXPECT_EQ(GetMediaTrackInfo_Value(track, "P_PROJECT"), 0);
    EXPECT_FALSE(SetMediaTrackInfo_Value(track, "B_MUTE", 1));
    EXPECT_FALSE(GetSetMediaTrackInfo_String(track, "P_NAME", buffer, false));
    EXPECT_FALSE(GetSetMediaTrackInfo_String(track, "P_NAME", buffer, true));
    EXPECT_EQ(GetTrackColor(track), 0);
    SetTrackColor(track, 0x1000000);
    SetTrackSelected(track, true);
    SetOnlyTrackSelected(track);
    DeleteTrack(track);
  }

  // Calls every function taking a project and checks the neutral answers.
  static void expect_project_ignored(ReaProject* project) {
    char buffer[16] = "untouched";
    EXPECT_EQ(CountTracks(project), 0);
    EXPECT_EQ(GetTrack(project, 0), nullptr);
    EXPECT_EQ(CountSelectedTracks2(project, true), 0);
    EXPECT_EQ(GetSelectedTrack(project, 0), nullptr);
    InsertTrackInProject(project, 0, 0);
    EXPECT_FALSE(GetSetProjectInfo_String(project, "RECORD_PATH", buffer, true));
    EXPECT_FALSE(GetSetProjectInfo_String(project, "RECORD_PATH", buffer, false));
    EXPECT_STREQ(buffer, "untouched");
    EXPECT_EQ(AddProjectMarker2(project, false, 1, 1, "m", -1, 0), -1);
    int markers = -5;
    EXPECT_EQ(CountProjectMarkers(project, &markers, nullptr), 0);
    EXPECT_EQ(markers, -5);
    EXPECT_EQ(EnumProjectMarkers3(project, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_FALSE(SetProjectMarker3(project, 1, false, 0, 0, "x", 0));
    EXPECT_FALSE(DeleteProjectMarkerByIndex(project, 0));
    Main_OnCommandEx(40001, 0, project);
    EXPECT_TRUE(kvhost::commands().empty());
    EXPECT_EQ(kvhost::master_track(project), nullptr);
    EXPECT_FALSE(kvhost::set_current_project(project));
    EXPECT_FALSE(kvhost::set_project_path(project, "/somewhere"));
    EXPECT_EQ(kvhost::project_path(project), "");
    // The current project saw none of it.
    EXPECT_EQ(CountTracks(nullptr), 0);
    EXPECT_EQ(CountProjectMarkers(nullptr, nullptr, nullptr), 0);
  }
};

TEST_F(model_handles, null_track) { expect_track_ignored(nullptr); }

TEST_F(model_handles, foreign_track) {
  InsertTrackAtIndex(0, false);
  SetTrackSelected(GetTrack(nullptr, 0), true);
  int not_a_track = 0;
  expect_track_ignored(reinterpret_cast<MediaTrack*>(&not_a_track));
  EXPECT_EQ(CountTracks(nullptr), 1);
  EXPECT_EQ(GetSelectedTrack(nullptr, 0), GetTrack(nullptr, 0));
  EXPECT_EQ(CountSelectedTracks2(nullptr, true), 1);
}

TEST_F(model_handles, deleted_track) {
  InsertTrackAtIndex(0, false);
  InsertTrackAtIndex(1, false);
  MediaTrack* deleted = GetTrack(nullptr, 0);
  SetTrackSelected(deleted, true);
  DeleteTrack(deleted);
  ASSERT_EQ(CountTracks(nullptr), 1);
  EXPECT_EQ(CountSelectedTracks2(nullptr, false), 0);
  expect_track_ignored(deleted);
  EXPECT_EQ(CountTracks(nullptr), 1);
  EXPECT_EQ(CountSelectedTracks2(nullptr, true), 0);
}

TEST_F(model_handles, track_from_before_reset) {
  InsertTrackAtIndex(0, false);
  MediaTrack* stale = GetTrack(nullptr, 0);
  kvhost::reset();
  expect_track_ignored(stale);
}

TEST_F(model_handles, foreign_project) {
  int not_a_project = 0;
  expect_project_ignored(reinterpret_cast<ReaProject*>(&not_a_project));
}

TEST_F(model_handles, project_from_before_reset) {
  ReaProject* stale = kvhost::create_project();
  kvhost::reset();
  expect_project_ignored(stale);
}

TEST_F(model_handles, master_cannot_be_deleted_or_renamed) {
  MediaTrack* master = kvhost::master_track(nullptr);
  DeleteTrack(master);
  char name[] = "New";
  EXPECT_FALSE(GetSetMediaTrackInfo_String(master, "P_NAME", name, true));
  EXPECT_FALSE(GetSetMediaTrackInfo_String(master, "P_NAME", name, false));
  char buffer[16];
  EXPECT_TRUE(GetTrackName(master, buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "MASTER");
}

TEST_F(model_handles, items_are_not_there_yet) {
  EXPECT_EQ(GetMediaItem(nullptr, 0), nullptr);
  EXPECT_EQ(CountSelectedMediaItems(nullptr), 0);
  EXPECT_EQ(GetSelectedMediaItem(nullptr, 0), nullptr);
  EXPECT_EQ(GetItemProjectContext(nullptr), nullptr);
  EXPECT_EQ(GetActiveTake(nullptr), nullptr);
  EXPECT_FALSE(SetMediaItemInfo_Value(nullptr, "D_VOL", 1));
}

}  // namespace
