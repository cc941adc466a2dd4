// The keyed track row handed to scripts.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "object/track_detail.hpp"

using kv_object::pyvar;
using kv_object::TrackDetail;

namespace {

MediaTrack* const some_track = reinterpret_cast<MediaTrack*>(0x2000);

TEST(track_detail, a_new_row_has_no_visible_fields_but_default_values) {
  TrackDetail row;
  EXPECT_EQ(row.get_size(), 0);
  EXPECT_THROW(row.get_key_info(0), std::out_of_range);
  EXPECT_EQ(row.get_value("Index"), pyvar(0));
  EXPECT_EQ(row.get_value("Name"), pyvar(std::string()));
  EXPECT_EQ(row.get_value("Track"), pyvar(static_cast<void*>(nullptr)));
  EXPECT_EQ(row.get_value("Volume"), pyvar(0.0));
  EXPECT_EQ(row.get_value("name"), pyvar(0)) << "keys are case-sensitive";
  EXPECT_EQ(row.handle, reinterpret_cast<std::uintptr_t>(&row));
}

TEST(track_detail, present_fields_are_listed_in_key_order) {
  TrackDetail row;
  row.fields().Depth.fill(2);
  row.fields().Track.fill(some_track);
  EXPECT_EQ(row.get_size(), 2);
  EXPECT_EQ(row.get_key_info(0), std::make_pair(std::string("Track"), std::string("MediaTrack*")));
  EXPECT_EQ(row.get_key_info(1), std::make_pair(std::string("Depth"), std::string("int")));
  try {
    row.get_key_info(2);
    FAIL();
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), "out of range");
  }
  EXPECT_THROW(row.get_key_info(-1), std::out_of_range);
  EXPECT_EQ(row.get_value("Track"), pyvar(static_cast<void*>(some_track)));
  EXPECT_EQ(row.get_value("Depth"), pyvar(2));
}

TEST(track_detail, set_value_takes_only_the_fields_own_alternative) {
  TrackDetail row;
  row.set_value("Index", 5);
  EXPECT_EQ(row.get_value("Index"), pyvar(5));
  EXPECT_EQ(row.get_size(), 0) << "setting a value does not make it visible";
  row.set_value("Volume", 1);
  EXPECT_EQ(row.get_value("Volume"), pyvar(0.0));
  row.set_value("Volume", 1.0);
  EXPECT_EQ(row.get_value("Volume"), pyvar(1.0));
  row.set_value("Index", 2.0);
  row.set_value("Index", true);
  EXPECT_EQ(row.get_value("Index"), pyvar(5));
  row.set_value("Name", std::string("Bass"));
  row.set_value("Name", static_cast<void*>(some_track));
  EXPECT_EQ(row.get_value("Name"), pyvar(std::string("Bass")));
  row.set_value("Track", static_cast<void*>(some_track));
  row.set_value("Track", 3);
  EXPECT_EQ(row.get_value("Track"), pyvar(static_cast<void*>(some_track)));
  row.set_value("Unknown", 1);
  EXPECT_EQ(row.get_value("Unknown"), pyvar(0));
}

TEST(track_detail, copies_share_fields_but_have_their_own_handle) {
  std::vector<TrackDetail> rows;
  {
    TrackDetail producer;
    producer.fields().Index.fill(4);
    rows.push_back(producer);
  }
  TrackDetail copy = rows[0];
  copy.set_value("Index", 9);
  EXPECT_EQ(rows[0].get_value("Index"), pyvar(9));
  EXPECT_EQ(rows[0].get_size(), 1);
  EXPECT_NE(copy.handle, rows[0].handle);
  EXPECT_EQ(copy.handle, reinterpret_cast<std::uintptr_t>(&copy));
  copy = rows[0];
  EXPECT_EQ(copy.handle, reinterpret_cast<std::uintptr_t>(&copy)) << "assignment keeps the own handle";
}

}  // namespace
