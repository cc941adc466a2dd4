#include "api/item/hand_automation_operations.hpp"

#include <vector>

#include "api/item/hand_automation_analysis.hpp"
#include "api/item/item_action_operations.hpp"
#include "api/item/item_address.hpp"
#include "api/item/peak_lists.hpp"
#include "api/item/sws_envelope.hpp"
#include "entry/sws_import.hpp"

namespace KV_COBALT {
namespace {
using hand_automation::envelope_object;

constexpr int toggle_take_volume_envelope = 40693;

bool look_up_envelope_off(const char* caller) {
  return sws::with(caller, {&sws::BR_EnvAlloc, &sws::BR_EnvGetProperties, &sws::BR_EnvSetProperties, &sws::BR_EnvFree},
                   [] { return true; });
}

bool envelopes_off(MediaItem* item, const char* caller) {
  if (!item_address::project_of(item) || !look_up_envelope_off(caller)) return false;
  MediaItem_Take* take = host::GetActiveTake(item);
  const int count = host::CountTakeEnvelopes(take);
  for (int i = 0; i < count; ++i) {
    envelope_object envelope(host::GetTakeEnvelope(take, i));
    if (!envelope.get()) continue;
    envelope.show(false);
    envelope.commit();
  }
  return true;
}

// The item's 10 ms windows; the peaks they come from are let go at once.
std::vector<hand_automation::window> windows_of(MediaItem* item) {
  kv_object::peak_list peaks;
  GetMediaItemPeakList(item, peaks);
  return hand_automation::cut_windows(peaks);
}

void draw_automation(MediaItem* item, const envelope_object& envelope, int ratioType) {
  const bool reset_point = envelope.reset_points();
  std::vector<hand_automation::point> points;
  {
    std::vector<hand_automation::window> windows = windows_of(item);
    hand_automation::choose_gains(windows, hand_automation::ratio_of(ratioType));
    points = hand_automation::surviving_points(windows, reset_point);
  }
  // Only the survivors are written: the reset point rewritten, the rest appended.
  for (std::size_t i = 0; i < points.size(); ++i)
    envelope.set_point(i == 0 && reset_point ? 0 : -1, points[i].pos, points[i].value);
}

// Unselects the item and selects again what was selected before.
struct selection_restorer {
  MediaItem* item;
  const media_item_list& selected;
  ~selection_restorer() {
    try {
      host::SetMediaItemSelected(item, false);
      SelectMediaItems(selected, true);
    } catch (...) {
      // A host function gone missing: nothing more can be put back.
    }
  }
};

// The operation once its SWS functions are found.
bool ride_volume(MediaItem* item, int ratioType, const char* caller) {
  if (!envelopes_off(item, caller)) return false;
  MediaItem_Take* take = host::GetActiveTake(item);
  ReaProject* project = host::GetItemProjectContext(item);
  const media_item_list selected = GetSelectedMediaItmes(project);
  host::SelectAllMediaItems(project, false);
  host::SetMediaItemSelected(item, true);
  host::Main_OnCommandEx(toggle_take_volume_envelope, 0, project);
  {
    // The user's selection comes back however this block ends, a failure mid-way included.
    const selection_restorer restore{item, selected};
    envelope_object envelope(host::GetTakeEnvelopeByName(take, "Volume"));
    if (!envelope.get()) return false;
    envelope.show(true);
    draw_automation(item, envelope, ratioType);
    envelope.commit();
  }
  return RenderMediaItemActiveTake(item);
}

bool hand_automation_of(MediaItem* item, int ratioType, const char* caller) {
  if (!item_address::project_of(item)) return false;
  return sws::with(
      caller,
      {&sws::BR_EnvAlloc, &sws::BR_EnvSortPoints, &sws::BR_EnvCountPoints, &sws::BR_EnvDeletePoint, &sws::BR_EnvFree,
       &sws::BR_EnvGetPoint, &sws::BR_EnvSetPoint, &sws::BR_EnvGetProperties, &sws::BR_EnvSetProperties},
      [&] { return ride_volume(item, ratioType, caller); });
}

}  // namespace

bool SetMediaItemHANDAUTOMER(MediaItem* item, int ratioType) {
  return hand_automation_of(item, ratioType, KV_REGISTERED_NAME(SetMediaItemHANDAUTOMER));
}

bool SetMediaIdHANDAUTOMER(ReaProject* projID, int itemID, int ratioType) {
  return hand_automation_of(item_address::by_index(projID, itemID), ratioType,
                            KV_REGISTERED_NAME(SetMediaIdHANDAUTOMER));
}

bool SetSelectedMediaIdHANDAUTOMER(ReaProject* projID, int selectItemID, int ratioType) {
  return hand_automation_of(item_address::by_selected_index(projID, selectItemID), ratioType,
                            KV_REGISTERED_NAME(SetSelectedMediaIdHANDAUTOMER));
}

bool SetMediaItemEnvelopeAllOFF(MediaItem* item) {
  return envelopes_off(item, KV_REGISTERED_NAME(SetMediaItemEnvelopeAllOFF));
}

bool SetMediaIdEnvelopeAllOFF(ReaProject* projID, int itemID) {
  return envelopes_off(item_address::by_index(projID, itemID), KV_REGISTERED_NAME(SetMediaIdEnvelopeAllOFF));
}

bool SetSelectedMediaIdEnvelopeAllOFF(ReaProject* projID, int itemID) {
  return envelopes_off(item_address::by_selected_index(projID, itemID),
                       KV_REGISTERED_NAME(SetSelectedMediaIdEnvelopeAllOFF));
}

}  // namespace KV_COBALT
