// Item operations against a fake host that logs every change: the exact
// sequences of the selection-keeping runner and the renderer, the hand
// automation's points, the loudness arithmetic, and the SWS look-ups.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "api/item/hand_automation_operations.hpp"
#include "api/item/item_action_operations.hpp"
#include "api/item/loudness_operations.hpp"
#include "api/item/peak_lists.hpp"
#include "entry/host_import.hpp"
#include "fake_media.hpp"

using namespace KV_COBALT;
using fake_media::calls;
using fake_media::handle;
using fake_media::items;
using strings = std::vector<std::string>;

namespace {

struct item_operations : ::testing::Test {
  // English dialogs, and a browser that opens nothing.
  fake_host::system_stand_ins stand_ins{"en_US"};

  void SetUp() override { fake_media::install(); }
  void TearDown() override { ReaperPluginEntry(nullptr, nullptr); }

  static strings selection() {
    strings selected;
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i].selected) selected.push_back(std::to_string(i));
    return selected;
  }
  static strings commands() {
    strings found;
    for (const auto& entry : calls)
      if (entry.rfind("command", 0) == 0) found.push_back(entry);
    return found;
  }
};

TEST_F(item_operations, action_runs_on_the_item_alone_and_restores_the_selection) {
  for (int i = 0; i < 3; ++i) fake_media::add_item(true);
  auto& x = fake_media::add_item(false);
  EXPECT_TRUE(ActionMediaItemSelectKeep(handle(x), 1234));
  EXPECT_EQ(calls, (strings{"unselect 2", "unselect 1", "unselect 0", "select 3", "command 1234 on 3", "unselect 3",
                            "select 2", "select 1", "select 0", "update"}));
  EXPECT_EQ(selection(), (strings{"0", "1", "2"}));

  calls.clear();
  EXPECT_TRUE(ActionMediaIdSelectKeep(nullptr, 1, 7));
  EXPECT_EQ(commands(), strings{"command 7 on 1"});
  EXPECT_EQ(selection(), (strings{"0", "1", "2"})) << "the item was selected before and is again";

  for (auto& it : items) it.selected = false;
  calls.clear();
  EXPECT_TRUE(ActionMediaIdSelectKeep(nullptr, 2, 8));
  EXPECT_EQ(commands(), strings{"command 8 on 2"});
  EXPECT_TRUE(selection().empty());
  EXPECT_TRUE(GetSelectedMediaItmes(nullptr).empty());
}

// Reading the k-th selected item may cost a walk over the project once the
// selection changed, so the whole selection is read before any of it changes.
std::vector<std::size_t> changes_before_read;
MediaItem* counted_selected_item(ReaProject* project, int k) {
  changes_before_read.push_back(calls.size());
  return fake_media::GetSelectedMediaItem(project, k);
}

TEST_F(item_operations, the_selection_is_read_whole_before_it_changes) {
  for (int i = 0; i < 4; ++i) fake_media::add_item(true);
  auto& x = fake_media::add_item(false);
  changes_before_read.clear();
  host::GetSelectedMediaItem.resolve(reinterpret_cast<void*>(&counted_selected_item));
  EXPECT_TRUE(ActionMediaItemSelectKeep(handle(x), 1234));
  EXPECT_EQ(changes_before_read, std::vector<std::size_t>(4, 0));
  EXPECT_EQ(selection(), (strings{"0", "1", "2", "3"}));
}

TEST_F(item_operations, rendering_crops_only_items_without_exactly_one_take) {
  const int takes[] = {1, 2, 0};
  for (int count : takes) fake_media::add_item().takes = count;
  items[1].selected = true;
  EXPECT_TRUE(RenderMediaItemActiveTake(handle(items[0])));
  EXPECT_EQ(commands(), strings{"command 41999 on 0"});
  calls.clear();
  EXPECT_TRUE(RenderMediaIdActiveTake(nullptr, 1));
  EXPECT_EQ(commands(), (strings{"command 40131 on 1", "command 41999 on 1"}));
  calls.clear();
  EXPECT_TRUE(RenderSelectedMediaIdActiveTake(nullptr, 0));
  EXPECT_EQ(commands(), (strings{"command 40131 on 1", "command 41999 on 1"}));
  calls.clear();
  EXPECT_TRUE(RenderMediaIdActiveTake(nullptr, 2));
  EXPECT_EQ(commands(), (strings{"command 40131 on 2", "command 41999 on 2"}));
  EXPECT_EQ(selection(), strings{"1"});
}

TEST_F(item_operations, missing_items_and_null_handles_fail_without_touching_the_project) {
  fake_media::add_item(true);
  double out = 7;
  EXPECT_FALSE(RenderMediaIdActiveTake(nullptr, 99));
  EXPECT_FALSE(ActionSelectedMediaIdSelectKeep(nullptr, 1, 40131));
  EXPECT_FALSE(SetSelectedMediaIdHANDAUTOMER(nullptr, 3, 0));
  EXPECT_FALSE(SetMediaIdLoudnessMaxMomentary(nullptr, -1, -18, &out));
  EXPECT_FALSE(SetSelectedMediaIdEnvelopeAllOFF(nullptr, 1));
  EXPECT_FALSE(ActionMediaItemSelectKeep(nullptr, 40131));
  EXPECT_FALSE(RenderMediaItemActiveTake(nullptr));
  EXPECT_FALSE(SetMediaItemHANDAUTOMER(nullptr, 0));
  EXPECT_FALSE(SetMediaItemEnvelopeAllOFF(nullptr));
  EXPECT_FALSE(SetMediaItemLoudnessMaxMomentary(nullptr, -18, &out));
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(fake_media::lookups.empty());
  EXPECT_EQ(out, 7);
}

// An item of a deleted track: nothing may run on the current project in its place.
TEST_F(item_operations, an_item_whose_project_cannot_be_found_fails_without_touching_the_project) {
  fake_media::add_item(true);
  fake_media::item gone;
  gone.length = 0.02;
  gone.maxima.assign(20, 0.5);
  gone.minima.assign(20, 0.5);
  double out = 7;
  const auto refused = [&](const char* host) {
    kv_object::peak_list peaks;
    EXPECT_FALSE(ActionMediaItemSelectKeep(handle(gone), 40001)) << host;
    EXPECT_FALSE(RenderMediaItemActiveTake(handle(gone))) << host;
    EXPECT_FALSE(SetMediaItemEnvelopeAllOFF(handle(gone))) << host;
    EXPECT_FALSE(SetMediaItemHANDAUTOMER(handle(gone), 0)) << host;
    EXPECT_FALSE(SetMediaItemLoudnessMaxMomentary(handle(gone), -18, &out)) << host;
    EXPECT_FALSE(GetMediaItemPeakList(handle(gone), peaks)) << host;
    EXPECT_TRUE(calls.empty()) << host << ": " << (calls.empty() ? "" : calls[0]);
    EXPECT_TRUE(fake_media::lookups.empty()) << host;
    EXPECT_EQ(out, 7) << host;
    EXPECT_EQ(gone.volume, 1) << host;
    EXPECT_TRUE(items[0].selected) << host;
  };
  // A host that tells live items from others, even when a gone one still reads a project.
  fake_media::gone_items_read_a_project = true;
  refused("with ValidatePtr2");
  fake_media::gone_items_read_a_project = false;
  fake_host::functions.erase("ValidatePtr2");
  ReaperPluginEntry(nullptr, nullptr);
  ReaperPluginEntry(nullptr, &fake_media::record);
  fake_media::lookups.clear();
  refused("without ValidatePtr2");
  EXPECT_TRUE(ActionMediaItemSelectKeep(handle(items[0]), 40001)) << "a live item still runs";
}

// Each SWS operation without SWS: one dialog naming the function called, false, nothing changed.
TEST_F(item_operations, without_sws_each_call_asks_once_naming_the_function_called) {
  auto& it = fake_media::add_levels({6, 8});
  it.envelopes.push_back({"Volume", {{0, 1}}});
  fake_media::remove_sws();
  double out = 7;
  struct named_call {
    const char* name;
    bool result;
  };
  const named_call results[] = {
      {"KV_SetMediaItemHANDAUTOMER", SetMediaItemHANDAUTOMER(handle(it), 0)},
      {"KV_SetMediaIdHANDAUTOMER", SetMediaIdHANDAUTOMER(nullptr, 0, 1)},
      {"KV_SetSelectedMediaIdHANDAUTOMER", (it.selected = true, SetSelectedMediaIdHANDAUTOMER(nullptr, 0, 2))},
      {"KV_SetMediaItemLoudnessMaxMomentary", SetMediaItemLoudnessMaxMomentary(handle(it), -18, &out)},
      {"KV_SetMediaIdLoudnessMaxMomentary", SetMediaIdLoudnessMaxMomentary(nullptr, 0, -18, &out)},
      {"KV_SetSelectedMediaIdLoudnessMaxMomentary", SetSelectedMediaIdLoudnessMaxMomentary(nullptr, 0, -18, &out)},
      {"KV_SetMediaItemEnvelopeAllOFF", SetMediaItemEnvelopeAllOFF(handle(it))},
      {"KV_SetMediaIdEnvelopeAllOFF", SetMediaIdEnvelopeAllOFF(nullptr, 0)},
      {"KV_SetSelectedMediaIdEnvelopeAllOFF", SetSelectedMediaIdEnvelopeAllOFF(nullptr, 0)},
  };
  ASSERT_EQ(fake_host::messages.size(), std::size(results));
  for (std::size_t i = 0; i < std::size(results); ++i) {
    EXPECT_FALSE(results[i].result) << results[i].name;
    EXPECT_EQ(fake_host::messages[i].find(std::string("To use ") + results[i].name + ","), 0u)
        << fake_host::messages[i];
  }
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(out, 7);
  EXPECT_EQ(it.volume, 1);
  EXPECT_EQ(it.envelopes[0].points.size(), 1u);
}

TEST_F(item_operations, sws_functions_are_looked_up_in_order_up_to_the_first_missing_one) {
  auto& it = fake_media::add_levels({6});
  fake_host::functions.erase("BR_EnvSetProperties");
  EXPECT_FALSE(SetMediaItemHANDAUTOMER(handle(it), 0));
  EXPECT_EQ(fake_media::lookups,
            (strings{"BR_EnvAlloc", "BR_EnvSortPoints", "BR_EnvCountPoints", "BR_EnvDeletePoint", "BR_EnvFree",
                     "BR_EnvGetPoint", "BR_EnvSetPoint", "BR_EnvGetProperties", "BR_EnvSetProperties"}));
  fake_media::lookups.clear();
  fake_host::functions.erase("BR_EnvFree");
  EXPECT_FALSE(SetMediaItemEnvelopeAllOFF(handle(it)));
  EXPECT_EQ(fake_media::lookups, (strings{"BR_EnvAlloc", "BR_EnvGetProperties", "BR_EnvSetProperties"}));
  EXPECT_EQ(fake_host::messages.size(), 2u);
  EXPECT_TRUE(calls.empty());
}

TEST_F(item_operations, envelopes_off_hides_every_envelope_of_the_active_take_and_keeps_the_rest) {
  auto& bare = fake_media::add_item();
  EXPECT_TRUE(SetMediaItemEnvelopeAllOFF(handle(bare)));
  EXPECT_TRUE(calls.empty());
  auto& it = fake_media::add_item();
  it.envelopes = {{"Volume", {{0, 0.5}}}, {"Pan", {{0, 0.2}}}};
  EXPECT_TRUE(SetMediaIdEnvelopeAllOFF(nullptr, 1));
  EXPECT_EQ(calls, (strings{"properties off hidden", "free commit", "properties off hidden", "free commit"}));
  for (const auto& envelope : it.envelopes) {
    EXPECT_FALSE(envelope.active || envelope.visible);
    EXPECT_EQ(envelope.points.size(), 1u);
  }
}

// Gains in dB of the committed volume envelope, with each point's time.
std::vector<fake_media::point> committed_gains(const fake_media::item& it) {
  std::vector<fake_media::point> gains;
  for (const auto& e : it.envelopes)
    if (e.name == "Volume")
      for (const auto& p : e.points) gains.push_back({p.position, 20 * std::log10(p.value)});
  return gains;
}

// Windows 6, 8, ... 20 dB at ratio type 0 end with the points of windows 0 to 4 and 7.
void expect_worked_example_points(const fake_media::item& it) {
  const auto gains = committed_gains(it);
  const double expected[][2] = {{0, -0.4}, {1, -1}, {2, 1}, {3, 3}, {4, 4}, {7, 4}};
  ASSERT_EQ(gains.size(), std::size(expected));
  for (std::size_t i = 0; i < gains.size(); ++i) {
    // Equal levels in a window: the earliest sample is the loudest, held to the 3rd.
    EXPECT_DOUBLE_EQ(gains[i].position, (expected[i][0] * 10 + 2) * 0.001);
    EXPECT_NEAR(gains[i].value, expected[i][1], 0.002) << "window " << expected[i][0];
  }
}

TEST_F(item_operations, worked_example_keeps_windows_0_to_4_and_7) {
  auto& it = fake_media::add_levels({6, 8, 10, 12, 14, 16, 18, 20});
  auto& other = fake_media::add_item(true);
  it.envelopes.push_back({"Pan", {{0, 0.3}}});
  EXPECT_TRUE(SetMediaItemHANDAUTOMER(handle(it), 0));
  expect_worked_example_points(it);
  EXPECT_FALSE(it.envelopes[0].active || it.envelopes[0].visible) << "other envelopes switched off";
  EXPECT_TRUE(it.envelopes[1].active && it.envelopes[1].visible);
  // The flat points 5 and 6 and the leftover at window 7 are never written,
  // so nothing is deleted from the one point the reset leaves.
  strings deletes;
  for (const auto& entry : calls)
    if (entry.rfind("delete", 0) == 0) deletes.push_back(entry);
  EXPECT_TRUE(deletes.empty());
  EXPECT_EQ(commands(), (strings{"command 40693 on 0", "command 41999 on 0"}));
  EXPECT_TRUE(other.selected);
  EXPECT_FALSE(it.selected);
}

TEST_F(item_operations, a_volume_envelope_without_points_gets_the_same_automation) {
  auto& it = fake_media::add_levels({6, 8, 10, 12, 14, 16, 18, 20});
  it.envelopes.push_back({"Volume", {}, false, false});
  EXPECT_TRUE(SetMediaItemHANDAUTOMER(handle(it), 0));
  // No reset point: window k owns point k, and no leftover follows window 7.
  expect_worked_example_points(it);
}

TEST_F(item_operations, ratio_types_move_the_target_between_the_loud_bands) {
  // Window 0 sits at 6 dB, below M = 7 and at D = 6: its cut is the target's distance.
  const double expected[][2] = {{0, -0.4}, {-5, -0.4}, {1, -0.6}, {2, -0.8}, {3, -1}, {7, -1}};
  for (const auto& [ratio_type, gain] : expected) {
    fake_media::install();
    auto& it = fake_media::add_levels({6, 8, 10, 12, 14, 16, 18, 20});
    EXPECT_TRUE(SetMediaItemHANDAUTOMER(handle(it), static_cast<int>(ratio_type)));
    EXPECT_NEAR(committed_gains(it).at(0).value, gain, 0.002) << "ratio type " << ratio_type;
  }
}

TEST_F(item_operations, undefined_levels_leave_unity_and_never_a_non_finite_point) {
  // No loud window; one loud window; loud windows of one level; and no band
  // below M, where only the cut of the loudest windows is undefined.
  const std::vector<std::vector<double>> cases = {{60, 70, 80}, {6, 60, 70}, {10, 10, 10, 60}, {6, 6, 8, 20}};
  for (const auto& levels : cases) {
    fake_media::install();
    auto& it = fake_media::add_levels(levels);
    EXPECT_TRUE(SetMediaItemHANDAUTOMER(handle(it), 0));
    const auto gains = committed_gains(it);
    ASSERT_FALSE(gains.empty());
    for (const auto& point : gains) {
      EXPECT_TRUE(std::isfinite(point.position) && std::isfinite(point.value));
      if (levels.size() < 4) {
        EXPECT_EQ(point.value, 0.0) << "levels from " << levels[0];
      }
    }
  }
}

TEST_F(item_operations, an_item_without_peaks_keeps_the_reset_envelope_and_is_still_rendered) {
  auto& it = fake_media::add_item();
  it.length = 1;
  it.envelopes.push_back({"Volume", {{0.2, 0.5}, {0.1, 2.0}, {0.3, 1.5}}, false, false});
  EXPECT_TRUE(SetMediaIdHANDAUTOMER(nullptr, 0, 2));
  ASSERT_EQ(it.envelopes[0].points.size(), 1u);
  EXPECT_EQ(it.envelopes[0].points[0].position, 0.0);
  EXPECT_EQ(it.envelopes[0].points[0].value, 1.0);
  EXPECT_TRUE(it.envelopes[0].active && it.envelopes[0].visible);
  EXPECT_EQ(commands(), (strings{"command 40693 on 0", "command 41999 on 0"}));
}

TEST_F(item_operations, no_volume_envelope_after_the_toggle_restores_the_selection_and_fails) {
  auto& it = fake_media::add_levels({6, 8});
  auto& other = fake_media::add_item(true);
  fake_media::volume_envelope_from_toggle = false;
  EXPECT_FALSE(SetMediaItemHANDAUTOMER(handle(it), 0));
  EXPECT_TRUE(other.selected);
  EXPECT_FALSE(it.selected);
  EXPECT_EQ(commands(), strings{"command 40693 on 0"});
}

TEST_F(item_operations, a_failure_mid_analysis_still_restores_the_selection) {
  auto& it = fake_media::add_levels({6, 8});
  auto& other = fake_media::add_item(true);
  fake_media::peaks_fail = true;
  EXPECT_THROW(SetMediaItemHANDAUTOMER(handle(it), 0), std::runtime_error);
  EXPECT_TRUE(other.selected);
  EXPECT_FALSE(it.selected);
  EXPECT_EQ(commands(), strings{"command 40693 on 0"});
}

TEST_F(item_operations, loudness_moves_the_item_volume_by_the_difference) {
  auto& it = fake_media::add_item();
  double out = 0;
  EXPECT_TRUE(SetMediaItemLoudnessMaxMomentary(handle(it), -18, &out));
  EXPECT_DOUBLE_EQ(it.volume, 0.6309573461199309);
  EXPECT_EQ(out, 2.4) << "the position of the momentary maximum";
  EXPECT_EQ(calls, (strings{"analyse", "volume 0", "update"}));
  it.volume = 0;
  EXPECT_TRUE(SetMediaIdLoudnessMaxMomentary(nullptr, 0, -10, &out));
  EXPECT_EQ(it.volume, 0);
  it.volume = -0.5;
  EXPECT_TRUE(SetMediaItemLoudnessMaxMomentary(handle(it), -8, &out));
  EXPECT_NEAR(it.volume, -0.5 * std::pow(10, 0.3), 1e-6) << "6 dB louder, polarity kept";
  it.volume = 1;
  EXPECT_TRUE(SetMediaItemLoudnessMaxMomentary(handle(it), -18, nullptr)) << "the position is not wanted";
  EXPECT_DOUBLE_EQ(it.volume, 0.6309573461199309);
}

TEST_F(item_operations, loudness_refuses_what_it_cannot_measure) {
  auto& it = fake_media::add_item();
  fake_media::add_item().takes = 0;
  double out = 7;
  const auto refused = [&](const char* why) {
    EXPECT_FALSE(SetMediaItemLoudnessMaxMomentary(handle(it), -18, &out)) << why;
    EXPECT_EQ(it.volume, 1) << why;
    EXPECT_EQ(out, 7) << why;
  };
  fake_media::analysis_ok = false;
  refused("failed analysis");
  fake_media::analysis_ok = true;
  for (double silent :
       {-150.0, -200.0, -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
    fake_media::momentary_max = silent;
    refused("silence");
  }
  fake_media::momentary_max = -14;
  for (double target : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                        -std::numeric_limits<double>::infinity()})
    EXPECT_FALSE(SetMediaItemLoudnessMaxMomentary(handle(it), target, &out)) << "target " << target;
  // A finite target so low that the volume would reach 0 would silence the item for good.
  for (double volume : {1.0, -0.5}) {
    it.volume = volume;
    EXPECT_FALSE(SetMediaItemLoudnessMaxMomentary(handle(it), -1e308, &out)) << "volume " << volume;
    EXPECT_FALSE(SetMediaItemLoudnessMaxMomentary(handle(it), -8000, &out)) << "volume " << volume;
    EXPECT_EQ(it.volume, volume);
  }
  it.volume = 1;
  EXPECT_FALSE(SetMediaIdLoudnessMaxMomentary(nullptr, 1, -18, &out)) << "no active take";
  EXPECT_EQ(it.volume, 1);
  EXPECT_EQ(out, 7);
}

}  // namespace
