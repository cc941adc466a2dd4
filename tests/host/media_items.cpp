// Items and takes: order, selection, properties, and handles that die.
#include <cmath>
#include <cstdint>
#include <random>

#include "media_fixture.hpp"

using namespace kvhost::api;

namespace {

using media_items = media_test;

TEST_F(media_items, counted_track_by_track_then_by_position) {
  MediaTrack* second = kvhost::add_tracks(nullptr, {0})[0];
  MediaItem* late = item_of({0}, 5, 1);
  MediaItem* early = item_of({0}, 1, 1);
  MediaItem* other = AddMediaItemToTrack(second);
  MediaItem* tied = item_of({0}, 5, 1);
  ASSERT_EQ(CountMediaItems(nullptr), 4);
  EXPECT_EQ(GetMediaItem(nullptr, 0), early);
  EXPECT_EQ(GetMediaItem(nullptr, 1), late);
  EXPECT_EQ(GetMediaItem(nullptr, 2), tied);
  EXPECT_EQ(GetMediaItem(nullptr, 3), other);
  EXPECT_EQ(GetMediaItem(nullptr, 4), nullptr);
  EXPECT_EQ(GetTrackMediaItem(track, 0), early);
  EXPECT_EQ(CountTrackMediaItems(second), 1);

  // Moving an item reorders; a track inserted before moves its items after.
  SetMediaItemInfo_Value(late, "D_POSITION", 0);
  EXPECT_EQ(GetMediaItem(nullptr, 0), late);
  InsertTrackAtIndex(0, false);
  MediaTrack* first = GetTrack(nullptr, 0);
  MediaItem* front = AddMediaItemToTrack(first);
  SetMediaItemInfo_Value(front, "D_POSITION", 100);
  EXPECT_EQ(GetMediaItem(nullptr, 0), front);
  EXPECT_EQ(GetMediaItem_Track(front), first);

  // Selection in the same order.
  SetMediaItemSelected(other, true);
  SetMediaItemInfo_Value(early, "B_UISEL", 1);
  ASSERT_EQ(CountSelectedMediaItems(nullptr), 2);
  EXPECT_EQ(GetSelectedMediaItem(nullptr, 0), early);
  EXPECT_EQ(GetSelectedMediaItem(nullptr, 1), other);
  EXPECT_EQ(GetSelectedMediaItem(nullptr, 2), nullptr);
  SelectAllMediaItems(nullptr, true);
  EXPECT_EQ(CountSelectedMediaItems(nullptr), 5);
  SelectAllMediaItems(nullptr, false);
  EXPECT_FALSE(IsMediaItemSelected(early));
}

// The k-th selected item against a count over all items, through changes of
// selection, order and membership, with look-ups in any order between them.
TEST_F(media_items, selected_items_stay_right_through_changes_and_look_ups_in_any_order) {
  std::mt19937 random(11);
  MediaTrack* tracks[] = {track, kvhost::add_tracks(nullptr, {0})[0]};
  std::vector<MediaItem*> all;
  const auto add = [&] {
    MediaItem* added = AddMediaItemToTrack(tracks[random() % 2]);
    SetMediaItemInfo_Value(added, "D_POSITION", random() % 20);
    all.push_back(added);
  };
  for (int i = 0; i < 60; ++i) add();
  for (int step = 0; step < 4000; ++step) {
    MediaItem* some = all[random() % all.size()];
    switch (random() % 12) {
      case 0:
        SetMediaItemInfo_Value(some, "B_UISEL", random() % 2);
        break;
      case 1:
        SetMediaItemInfo_Value(some, "D_POSITION", random() % 20);
        break;
      case 2:
        if (random() % 10 == 0) SelectAllMediaItems(nullptr, random() % 2);
        break;
      case 3:
        if (random() % 4 == 0 && all.size() > 10) {
          DeleteTrackMediaItem(GetMediaItem_Track(some), some);
          std::erase(all, some);
        } else {
          add();
        }
        break;
      default:
        SetMediaItemSelected(some, random() % 2);
    }
    std::vector<MediaItem*> expected;
    for (int i = 0; i < CountMediaItems(nullptr); ++i)
      if (IsMediaItemSelected(GetMediaItem(nullptr, i))) expected.push_back(GetMediaItem(nullptr, i));
    const int count = static_cast<int>(expected.size());
    ASSERT_EQ(CountSelectedMediaItems(nullptr), count) << "step " << step;
    for (int look = 0; look < 3; ++look) {
      const int k = static_cast<int>(random() % (expected.size() + 2)) - 1;
      ASSERT_EQ(GetSelectedMediaItem(nullptr, k), k >= 0 && k < count ? expected[k] : nullptr)
          << "step " << step << " index " << k;
    }
  }
}

TEST_F(media_items, properties_and_refusals) {
  MediaItem* item = AddMediaItemToTrack(track);
  EXPECT_EQ(GetMediaItemInfo_Value(item, "D_POSITION"), 0);
  EXPECT_EQ(GetMediaItemInfo_Value(item, "D_LENGTH"), 0);
  EXPECT_EQ(GetMediaItemInfo_Value(item, "D_VOL"), 1);
  EXPECT_EQ(GetActiveTake(item), nullptr);
  EXPECT_TRUE(SetMediaItemInfo_Value(item, "D_VOL", 0.25));
  EXPECT_FALSE(SetMediaItemInfo_Value(item, "D_VOL", -1));
  EXPECT_FALSE(SetMediaItemInfo_Value(item, "D_POSITION", std::nan("")));
  EXPECT_FALSE(SetMediaItemInfo_Value(item, "D_LENGTH", -2));
  EXPECT_FALSE(SetMediaItemInfo_Value(item, "X_UNKNOWN", 1));
  EXPECT_EQ(GetMediaItemInfo_Value(item, "D_VOL"), 0.25);
  EXPECT_EQ(GetMediaItemInfo_Value(item, "P_PROJECT"),
            static_cast<double>(reinterpret_cast<std::uintptr_t>(kvhost::current_project())));
  EXPECT_EQ(GetItemProjectContext(item), kvhost::current_project());
  EXPECT_EQ(AddMediaItemToTrack(kvhost::master_track(nullptr)), nullptr);

  MediaItem_Take* first = AddTakeToMediaItem(item);
  MediaItem_Take* second = AddTakeToMediaItem(item);
  EXPECT_EQ(GetActiveTake(item), second);
  SetActiveTake(first);
  EXPECT_EQ(GetMediaItemInfo_Value(item, "I_CURTAKE"), 0);
  EXPECT_EQ(GetMediaItemTake(item, 1), second);
  EXPECT_EQ(GetMediaItemTake_Item(second), item);
  EXPECT_TRUE(SetMediaItemTakeInfo_Value(first, "D_STARTOFFS", 1.5));
  EXPECT_FALSE(SetMediaItemTakeInfo_Value(first, "D_PLAYRATE", 0));
  EXPECT_EQ(GetMediaItemTakeInfo_Value(first, "D_STARTOFFS"), 1.5);
  EXPECT_EQ(GetMediaItemTakeInfo_Value(first, "P_ITEM"), static_cast<double>(reinterpret_cast<std::uintptr_t>(item)));
  char name[] = "Lead vocal";
  EXPECT_TRUE(GetSetMediaItemTakeInfo_String(first, "P_NAME", name, true));
  EXPECT_STREQ(GetTakeName(first), "Lead vocal");
}

TEST_F(media_items, dead_and_foreign_handles_are_refused) {
  MediaItem* item = item_of({0.5f}, 0, 1);
  MediaItem_Take* take = GetActiveTake(item);
  PCM_source* source = GetMediaItemTake_Source(take);
  SetMediaItemSelected(item, true);
  Main_OnCommandEx(40693, 0, nullptr);
  TrackEnvelope* volume = GetTakeEnvelopeByName(take, "Volume");
  ASSERT_NE(volume, nullptr);
  AudioAccessor* accessor = CreateTakeAudioAccessor(take);
  DeleteTrack(track);  // takes its items, takes, sources and envelopes with it

  int local = 0;
  for (void* dead : {static_cast<void*>(item), static_cast<void*>(&local), static_cast<void*>(nullptr)}) {
    auto* as_item = static_cast<MediaItem*>(dead);
    auto* as_take = static_cast<MediaItem_Take*>(dead);
    auto* as_envelope = static_cast<TrackEnvelope*>(dead);
    EXPECT_EQ(GetMediaItemInfo_Value(as_item, "D_VOL"), 0);
    EXPECT_FALSE(SetMediaItemInfo_Value(as_item, "D_VOL", 1));
    EXPECT_EQ(GetActiveTake(as_item), nullptr);
    EXPECT_EQ(AddTakeToMediaItem(as_item), nullptr);
    EXPECT_EQ(GetItemProjectContext(as_item), nullptr);
    EXPECT_FALSE(DeleteTrackMediaItem(GetTrack(nullptr, 0), as_item));
    EXPECT_EQ(GetTakeName(as_take), nullptr);
    EXPECT_EQ(GetMediaItemTake_Peaks(as_take, 100, 0, 1, 1, 0, nullptr), 0);
    EXPECT_EQ(CountTakeEnvelopes(as_take), 0);
    EXPECT_FALSE(
        NF_AnalyzeTakeLoudness2(as_take, true, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(CountEnvelopePoints(as_envelope), 0);
    EXPECT_EQ(BR_EnvAlloc(as_envelope, false), nullptr);
  }
  EXPECT_EQ(CountEnvelopePoints(volume), 0);
  EXPECT_EQ(GetMediaSourceSampleRate(source), 0);
  double sample = 7;
  EXPECT_EQ(GetAudioAccessorSamples(accessor, 1000, 1, 0, 1, &sample), -1);
  EXPECT_EQ(sample, 7);
  DestroyAudioAccessor(accessor);
  EXPECT_EQ(CountMediaItems(nullptr), 0);
  EXPECT_EQ(CountSelectedMediaItems(nullptr), 0);
}

TEST_F(media_items, validate_ptr2_knows_each_live_object_by_type_and_project) {
  MediaItem* item = item_of({0.5f}, 0, 1);
  MediaItem_Take* take = GetActiveTake(item);
  SetMediaItemSelected(item, true);
  Main_OnCommandEx(40693, 0, nullptr);
  ReaProject* current = kvhost::current_project();
  ReaProject* other = kvhost::create_project();
  struct object {
    void* pointer;
    const char* type;
  };
  const object members[] = {{track, "MediaTrack*"},
                            {item, "MediaItem*"},
                            {take, "MediaItem_Take*"},
                            {GetTakeEnvelopeByName(take, "Volume"), "TrackEnvelope*"},
                            {GetMediaItemTake_Source(take), "PCM_source*"},
                            {kvhost::master_track(nullptr), "MediaTrack*"}};
  int local = 0;
  for (const auto& [pointer, type] : members) {
    EXPECT_TRUE(ValidatePtr2(nullptr, pointer, type)) << type;
    EXPECT_TRUE(ValidatePtr2(current, pointer, type)) << type;
    EXPECT_FALSE(ValidatePtr2(other, pointer, type)) << type << " of another project";
    EXPECT_FALSE(ValidatePtr2(reinterpret_cast<ReaProject*>(&local), pointer, type)) << type << " of no project";
    EXPECT_FALSE(ValidatePtr2(nullptr, pointer, "ReaProject*")) << type << " as a project";
    EXPECT_FALSE(ValidatePtr2(nullptr, pointer, "MediaItem")) << "no such type";
    EXPECT_FALSE(ValidatePtr2(nullptr, pointer, nullptr));
  }
  EXPECT_FALSE(ValidatePtr2(nullptr, take, "MediaItem*"));
  EXPECT_FALSE(ValidatePtr2(nullptr, item, "MediaItem_Take*"));
  EXPECT_FALSE(ValidatePtr2(nullptr, &local, "MediaItem*"));
  EXPECT_FALSE(ValidatePtr2(nullptr, nullptr, "MediaItem*"));
  PCM_source* loose = kvhost::create_source(1000, 1, {0.5f});
  EXPECT_FALSE(ValidatePtr2(nullptr, loose, "PCM_source*")) << "a source no take plays is in no project";
  PCM_Source_Destroy(loose);
  // A project is itself, whatever project is named.
  EXPECT_TRUE(ValidatePtr2(nullptr, other, "ReaProject*"));
  EXPECT_TRUE(ValidatePtr2(other, current, "ReaProject*"));
  EXPECT_FALSE(ValidatePtr2(nullptr, &local, "ReaProject*"));
  EXPECT_FALSE(ValidatePtr2(nullptr, nullptr, "ReaProject*"));
  DeleteTrack(track);
  for (const auto& [pointer, type] : members)
    EXPECT_EQ(ValidatePtr2(nullptr, pointer, type), pointer == kvhost::master_track(nullptr)) << type << " deleted";
}

TEST_F(media_items, sources_belong_to_the_caller_until_a_take_takes_them) {
  EXPECT_EQ(PCM_Source_CreateFromFile("/nonexistent/voice.wav"), nullptr);
  EXPECT_EQ(kvhost::create_source(1000, 2, {0.1f, 0.2f, 0.3f}), nullptr);  // not whole frames
  PCM_source* first = kvhost::create_source(1000, 2, {0.1f, 0.2f, 0.3f, 0.4f});
  PCM_source* second = kvhost::create_source(8000, 1, std::vector<float>(8000));
  EXPECT_EQ(GetMediaSourceNumChannels(first), 2);
  EXPECT_DOUBLE_EQ(GetMediaSourceLength(first, nullptr), 0.002);
  MediaItem_Take* take = AddTakeToMediaItem(AddMediaItemToTrack(track));
  ASSERT_TRUE(SetMediaItemTake_Source(take, first));
  MediaItem_Take* other = AddTakeToMediaItem(AddMediaItemToTrack(track));
  EXPECT_FALSE(SetMediaItemTake_Source(other, first)) << "a source plays in one take only";
  PCM_Source_Destroy(first);  // a take's source is not the caller's to destroy
  EXPECT_EQ(GetMediaSourceSampleRate(GetMediaItemTake_Source(take)), 1000);
  ASSERT_TRUE(SetMediaItemTake_Source(take, second));
  EXPECT_EQ(GetMediaSourceSampleRate(first), 1000) << "the replaced source goes back to the caller";
  PCM_Source_Destroy(first);
  EXPECT_EQ(GetMediaSourceSampleRate(first), 0);
}

}  // namespace
