// Markers and regions: one list by position, numbered per kind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/host_api.hpp"
#include "simulation.hpp"

using namespace kvhost::api;

namespace {

struct entry {
  bool region;
  double position, end;
  std::string name;
  int number, color;
  bool operator==(const entry&) const = default;
};

struct model_markers : ::testing::Test {
  void SetUp() override { kvhost::reset(); }

  static std::vector<entry> list() {
    std::vector<entry> result;
    for (int i = 0; i < CountProjectMarkers(nullptr, nullptr, nullptr); ++i) {
      entry e{};
      const char* name = nullptr;
      EXPECT_EQ(EnumProjectMarkers3(nullptr, i, &e.region, &e.position, &e.end, &name, &e.number, &e.color), i + 1);
      e.name = name;
      result.push_back(e);
    }
    return result;
  }
};

TEST_F(model_markers, mixed_list_by_position_numbered_per_kind) {
  EXPECT_EQ(AddProjectMarker2(nullptr, false, 5, 0, "late", -1, 0), 1);
  EXPECT_EQ(AddProjectMarker2(nullptr, true, 1, 3, "verse", -1, 7), 1);
  EXPECT_EQ(AddProjectMarker2(nullptr, false, 2, 99, "mid", -1, 0), 2);
  EXPECT_EQ(AddProjectMarker2(nullptr, true, 2, 4, nullptr, -1, 0), 2);
  EXPECT_EQ(list(), (std::vector<entry>{{true, 1, 3, "verse", 1, 7},
                                        {false, 2, 2, "mid", 2, 0},
                                        {true, 2, 4, "", 2, 0},
                                        {false, 5, 5, "late", 1, 0}}));
  int markers = 0, regions = 0;
  EXPECT_EQ(CountProjectMarkers(nullptr, &markers, &regions), 4);
  EXPECT_EQ(markers, 2);
  EXPECT_EQ(regions, 2);
}

TEST_F(model_markers, wanted_number_when_free_else_smallest_free) {
  EXPECT_EQ(AddProjectMarker2(nullptr, false, 0, 0, "a", 3, 0), 3);
  EXPECT_EQ(AddProjectMarker2(nullptr, false, 0, 0, "b", 3, 0), 1);
  EXPECT_EQ(AddProjectMarker2(nullptr, true, 0, 1, "r", 3, 0), 3);
  EXPECT_EQ(AddProjectMarker2(nullptr, false, 0, 0, "c", 0, 0), 2);
  EXPECT_EQ(AddProjectMarker2(nullptr, false, 0, 0, "d", -1, 0), 4);
}

TEST_F(model_markers, freed_number_is_reused) {
  AddProjectMarker2(nullptr, false, 1, 0, "one", -1, 0);
  AddProjectMarker2(nullptr, false, 2, 0, "two", -1, 0);
  AddProjectMarker2(nullptr, false, 3, 0, "three", -1, 0);
  ASSERT_TRUE(DeleteProjectMarkerByIndex(nullptr, 0));
  EXPECT_EQ(list().front().name, "two");
  EXPECT_EQ(AddProjectMarker2(nullptr, false, 9, 0, "again", -1, 0), 1);
  EXPECT_FALSE(DeleteProjectMarkerByIndex(nullptr, 3));
  EXPECT_FALSE(DeleteProjectMarkerByIndex(nullptr, -1));
}

TEST_F(model_markers, enumeration_past_the_end_writes_nothing) {
  AddProjectMarker2(nullptr, true, 1, 2, "r", -1, 0);
  bool region = false;
  double position = -1;
  const char* name = "kept";
  int number = -1;
  EXPECT_EQ(EnumProjectMarkers3(nullptr, 1, &region, &position, &position, &name, &number, &number), 0);
  EXPECT_EQ(EnumProjectMarkers3(nullptr, -1, &region, &position, &position, &name, &number, &number), 0);
  EXPECT_FALSE(region);
  EXPECT_EQ(position, -1);
  EXPECT_STREQ(name, "kept");
  EXPECT_EQ(number, -1);
  EXPECT_EQ(EnumProjectMarkers3(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 1);
}

TEST_F(model_markers, set_finds_by_number_and_kind_and_resorts) {
  AddProjectMarker2(nullptr, false, 1, 0, "marker", -1, 0);
  AddProjectMarker2(nullptr, true, 2, 3, "region", -1, 0);
  AddProjectMarker2(nullptr, false, 4, 0, "other", -1, 0);
  EXPECT_FALSE(SetProjectMarker3(nullptr, 2, true, 0, 0, "x", 0));
  EXPECT_TRUE(SetProjectMarker3(nullptr, 1, true, 5, 6, "", 9));
  EXPECT_TRUE(SetProjectMarker3(nullptr, 1, false, 4, 0, nullptr, 0));
  EXPECT_EQ(list(), (std::vector<entry>{
                        {false, 4, 4, "other", 2, 0}, {false, 4, 4, "marker", 1, 0}, {true, 5, 6, "region", 1, 9}}));
  EXPECT_TRUE(SetProjectMarker3(nullptr, 2, false, 4, 0, "renamed", 0));
  EXPECT_EQ(list().front().name, "renamed");
}

TEST_F(model_markers, name_pointer_survives_other_changes) {
  AddProjectMarker2(nullptr, false, 5, 0, "stable", -1, 0);
  const char* name = nullptr;
  EnumProjectMarkers3(nullptr, 0, nullptr, nullptr, nullptr, &name, nullptr, nullptr);
  for (int i = 0; i < 50; ++i) AddProjectMarker2(nullptr, false, i % 10, 0, "filler", -1, 0);
  EXPECT_STREQ(name, "stable");
}

TEST_F(model_markers, projects_have_their_own_lists) {
  ReaProject* other = kvhost::create_project();
  EXPECT_EQ(AddProjectMarker2(other, false, 1, 0, "elsewhere", -1, 0), 1);
  EXPECT_EQ(CountProjectMarkers(nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(CountProjectMarkers(other, nullptr, nullptr), 1);
}

}  // namespace
