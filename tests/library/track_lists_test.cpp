// The track lists on a project with nested folders.
#include <string>
#include <vector>

#include "api/host_api.hpp"
#include "api/track/track_lists.hpp"
#include "linked_library.hpp"

using namespace KV_COBALT;
using kv_object::pyvar;

namespace {

struct track_lists : linked_library {
  // A, B{C, D}, E, F{G{H}}, I in project
  std::vector<MediaTrack*> build(ReaProject* project) {
    return kvhost::add_tracks(project, {0, 1, 0, -1, 0, 1, 1, -2, 0});
  }

  static void name(MediaTrack* track, std::string text) {
    kvhost::api::GetSetMediaTrackInfo_String(track, "P_NAME", text.data(), true);
  }
};

TEST_F(track_lists, whole_list_replaces_what_was_there) {
  auto t = build(nullptr);
  track_list list(20, t[0]);
  EXPECT_TRUE(GetTrackItemList(nullptr, list));
  EXPECT_EQ(list, t);
  ReaProject* empty = kvhost::create_project();
  EXPECT_TRUE(GetTrackItemList(empty, list));
  EXPECT_TRUE(list.empty());
}

TEST_F(track_lists, direct_children_by_index) {
  auto t = build(nullptr);
  track_list list;
  int count = -1;
  EXPECT_TRUE(GetTrackIdChildList(nullptr, 1, list, count));
  EXPECT_EQ(list, (track_list{t[2], t[3]}));
  EXPECT_EQ(count, 2);
  list.clear();
  EXPECT_TRUE(GetTrackIdChildList(nullptr, 0, list, count));
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(count, 0);
  EXPECT_TRUE(GetTrackIdChildList(nullptr, 5, list, count));
  EXPECT_EQ(list, (track_list{t[6]})) << "grandchildren are not direct children";
  // appends; count is the whole list
  EXPECT_TRUE(GetTrackIdChildList(nullptr, 99, list, count));
  EXPECT_EQ(list, (track_list{t[6], t[0], t[1], t[4], t[5], t[8]}));
  EXPECT_EQ(count, 6);
}

TEST_F(track_lists, direct_children_by_handle_in_a_project_that_is_not_current) {
  build(nullptr);
  ReaProject* other = kvhost::create_project();
  auto t = build(other);
  track_list list;
  int count = 0;
  EXPECT_TRUE(GetTrackItemChildList(t[6], list, count));
  EXPECT_EQ(list, (track_list{t[7]}));
  EXPECT_EQ(count, 1);
  list.clear();
  EXPECT_TRUE(GetTrackItemChildList(t[1], list, count));
  EXPECT_EQ(list, (track_list{t[2], t[3]}));
}

TEST_F(track_lists, direct_children_of_a_selected_track) {
  auto t = build(nullptr);
  track_list list;
  EXPECT_TRUE(GetSelectedTrackIdChildList(nullptr, 0, list)) << "no selected track: the top level";
  EXPECT_EQ(list.size(), 5u);
  list.clear();
  kvhost::api::SetTrackSelected(t[0], true);
  EXPECT_FALSE(GetSelectedTrackIdChildList(nullptr, 0, list));
  EXPECT_TRUE(list.empty());
  kvhost::api::SetTrackSelected(t[1], true);
  EXPECT_TRUE(GetSelectedTrackIdChildList(nullptr, 1, list));
  EXPECT_EQ(list, (track_list{t[2], t[3]}));
}

TEST_F(track_lists, depth_rows_carry_track_and_depth_only) {
  auto t = build(nullptr);
  track_detail_list rows;
  EXPECT_TRUE(GetTrackDepthList(nullptr, rows));
  ASSERT_EQ(rows.size(), t.size());
  const std::vector<int> expected{0, 0, 1, 1, 0, 0, 1, 2, 0};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].get_value("Track"), pyvar(static_cast<void*>(t[i])));
    EXPECT_EQ(rows[i].get_value("Depth"), pyvar(expected[i])) << i;
    EXPECT_EQ(rows[i].get_size(), 2);
    EXPECT_EQ(rows[i].get_key_info(0).first, "Track");
    EXPECT_EQ(rows[i].get_key_info(1).first, "Depth");
  }
  track_detail_list none;
  EXPECT_FALSE(GetTrackDepthList(kvhost::create_project(), none));
  EXPECT_TRUE(none.empty());
}

TEST_F(track_lists, names_found_exactly_or_contained) {
  auto t = kvhost::add_tracks(nullptr, {0, 0, 0, 0, 0, 0});
  name(t[0], "Bass");
  name(t[1], "bass");
  name(t[2], "Bass 2");
  name(t[3], "BASS");
  name(t[4], "Slap bass 2");
  track_detail_list rows;
  EXPECT_TRUE(GetSamePerfectTrackNameList(nullptr, "Bass", rows));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].get_value("Track"), pyvar(static_cast<void*>(t[0])));
  EXPECT_EQ(rows[0].get_value("Index"), pyvar(0));
  EXPECT_EQ(rows[0].get_key_info(1), std::make_pair(std::string("Index"), std::string("int")));

  rows.clear();
  EXPECT_TRUE(GetIncludePerfectTrackNameList(nullptr, "bass", rows));
  std::vector<int> found;
  for (const auto& row : rows) found.push_back(row.fields().Index.value);
  EXPECT_EQ(found, (std::vector<int>{0, 1, 2, 3, 4}));

  rows.clear();
  EXPECT_TRUE(GetIncludePerfectTrackNameList(nullptr, "", rows));
  EXPECT_EQ(rows.size(), 6u);
  EXPECT_TRUE(GetSamePerfectTrackNameList(nullptr, "Track 6", rows)) << "default names take part";
  EXPECT_EQ(rows.back().fields().Index.value, 5);
  EXPECT_EQ(rows.size(), 7u) << "rows are appended";

  track_detail_list none;
  EXPECT_FALSE(GetSamePerfectTrackNameList(nullptr, "Guitar", none));
  EXPECT_FALSE(GetIncludePerfectTrackNameList(kvhost::create_project(), "", none));
  EXPECT_TRUE(none.empty());
}

}  // namespace
