// Where a Lua script cannot look: buffer sizes it does not choose, and the
// exact values handed to the host.
#include <string>

#include "api/host_api.hpp"
#include "api/track/track_color_operations.hpp"
#include "api/track/track_insert_operations.hpp"
#include "api/track/track_name_operations.hpp"
#include "linked_library.hpp"

using namespace KV_COBALT;

namespace {

struct track_buffers : linked_library {
  MediaTrack* track = nullptr;
  void SetUp() override {
    linked_library::SetUp();
    track = kvhost::add_tracks(nullptr, {0})[0];
  }
};

TEST_F(track_buffers, names_are_cut_to_the_callers_buffer) {
  ASSERT_TRUE(SetTrackItemName(track, "Drums"));
  char small[8] = "xxxxxxx";
  EXPECT_TRUE(GetTrackItemName(track, small, 4));
  EXPECT_STREQ(small, "Dru");
  EXPECT_EQ(small[4], 'x');
  char untouched[4] = "abc";
  EXPECT_TRUE(GetTrackItemName(track, untouched, 0));
  EXPECT_TRUE(GetTrackItemName(track, untouched, -3));
  EXPECT_STREQ(untouched, "abc");
}

TEST_F(track_buffers, names_take_part_up_to_1023_bytes) {
  const std::string long_name(2000, 'n');
  ASSERT_TRUE(SetTrackItemName(track, long_name.c_str()));
  std::string buffer(4096, 'x');
  EXPECT_TRUE(GetTrackItemName(track, buffer.data(), static_cast<int>(buffer.size())));
  EXPECT_EQ(std::string(buffer.c_str()), long_name.substr(0, 1023));
  int index = -1;
  EXPECT_EQ(InsertTrackSearchUniqueOnly(nullptr, long_name.substr(0, 1023).c_str(), &index), track);
  EXPECT_EQ(index, 0);
}

TEST_F(track_buffers, colour_bits_reach_the_host_as_given) {
  ASSERT_TRUE(SetTrackItemColor(track, 0x7E123456));
  EXPECT_EQ(kvhost::api::GetTrackColor(track), 0x7F123456) << "only the custom-colour bit is added";
  ASSERT_TRUE(SetTrackItemRGB(track, 255, 0, 0));
  EXPECT_EQ(kvhost::api::GetTrackColor(track), kvhost::api::ColorToNative(255, 0, 0) | 0x1000000);
  ASSERT_TRUE(SetTrackItemRGB(track, 300, -1, 256));
  EXPECT_EQ(kvhost::api::GetTrackColor(track), kvhost::api::ColorToNative(255, 0, 255) | 0x1000000)
      << "each component is held to 0-255";
  int color = 0, r = 0, g = 0, b = 0;
  ASSERT_TRUE(SetTrackItemColor(track, kvhost::api::ColorToNative(1, 2, 3)));
  ASSERT_TRUE(GetTrackItemColor(track, &color, &r, &g, &b));
  EXPECT_EQ(color, kvhost::api::ColorToNative(1, 2, 3) | 0x1000000);
  EXPECT_EQ(r * 10000 + g * 100 + b, 10203);
}

}  // namespace
