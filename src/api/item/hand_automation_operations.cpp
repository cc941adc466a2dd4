#include "api/item/hand_automation_operations.hpp"

#include <cmath>
#include <utility>
#include <vector>

#include "api/item/hand_automation_analysis.hpp"
#include "api/item/item_action_operations.hpp"
#include "api/item/item_address.hpp"
#include "api/item/peak_lists.hpp"
#include "entry/sws_import.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

constexpr int toggle_take_volume_envelope = 40693;

// An envelope object of SWS; freed without commit if the operation stops early.
class envelope_object {
 public:
  explicit envelope_object(TrackEnvelope* envelope) : object_(envelope ? sws::BR_EnvAlloc(envelope, false) : nullptr) {}
  envelope_object(const envelope_object&) = delete;
  envelope_object& operator=(const envelope_object&) = delete;
  ~envelope_object() {
    if (object_) sws::BR_EnvFree(object_, false);
  }
  BR_Envelope* get() const { return object_; }
  void commit() {
    sws::BR_EnvFree(std::exchange(object_, nullptr), true);
  }

  // Active and visible switched together; everything else written back as read.
  void show(bool on) const {
    bool active = false, visible = false, armed = false, in_lane = false, fader_scaling = false;
    int lane_height = 0, default_shape = 0, item_options = 0;
    sws::BR_EnvGetProperties(object_, &active, &visible, &armed, &in_lane, &lane_height, &default_shape, nullptr,
                             nullptr, nullptr, nullptr, &fader_scaling, &item_options);
    sws::BR_EnvSetProperties(object_, on, on, armed, in_lane, lane_height, default_shape, fader_scaling,
                             &item_options);
  }

  void set_point(int id, double position, double value) const {
    sws::BR_EnvSetPoint(object_, id, position, value, 0, false, 0.0);
  }

  struct point {
    double position = 0, value = 0;
  };
  point get_point(int id) const {
    point p;
    int shape = 0;
    bool selected = false;
    double bezier = 0;
    sws::BR_EnvGetPoint(object_, id, &p.position, &p.value, &shape, &selected, &bezier);
    return p;
  }

 private:
  BR_Envelope* object_;
};

bool look_up_envelope_off(const char* caller) {
  return sws::with(caller, {&sws::BR_EnvAlloc, &sws::BR_EnvGetProperties, &sws::BR_EnvSetProperties, &sws::BR_EnvFree},
                   [] { return true; });
}

bool envelopes_off(MediaItem* item, const char* caller) {
  if (!item || !look_up_envelope_off(caller)) return false;
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

// Leaves the envelope with one point: position 0, unity gain.
void reset_points(const envelope_object& envelope) {
  sws::BR_EnvSortPoints(envelope.get());
  for (int id = sws::BR_EnvCountPoints(envelope.get()); id >= 1; --id) sws::BR_EnvDeletePoint(envelope.get(), id);
  envelope.set_point(0, 0.0, 1.0);
}

// Of two points at the same time, the one nearer unity goes; pair (1, 0) is left alone.
void remove_duplicates(const envelope_object& envelope) {
  const int count = sws::BR_EnvCountPoints(envelope.get());
  if (count < 3) return;
  for (int a = count - 1; a >= 2; --a) {
    const auto later = envelope.get_point(a), earlier = envelope.get_point(a - 1);
    if (later.position != earlier.position) continue;
    const double later_off = std::fabs(1 - later.value), earlier_off = std::fabs(1 - earlier.value);
    if (later_off < earlier_off)
      sws::BR_EnvDeletePoint(envelope.get(), a);
    else if (earlier_off < later_off)
      sws::BR_EnvDeletePoint(envelope.get(), a - 1);
  }
}

void draw_automation(MediaItem* item, const envelope_object& envelope, int ratioType) {
  reset_points(envelope);
  kv_object::peak_list peaks;
  GetMediaItemPeakList(item, peaks);
  std::vector<hand_automation::window> windows = hand_automation::cut_windows(peaks);
  for (const auto& window : windows) envelope.set_point(-1, window.pos, 1.0);
  hand_automation::choose_gains(windows, hand_automation::ratio_of(ratioType));
  // Window k rewrites point k: the reset point takes window 0, and each
  // appended point the window after its own.
  for (std::size_t k = 0; k < windows.size(); ++k)
    if (windows[k].written)
      envelope.set_point(static_cast<int>(k), windows[k].pos, kv_utility::to_reaper_volume(windows[k].gain));
  const std::vector<int> flat = hand_automation::flat_windows(windows);
  for (auto k = flat.rbegin(); k != flat.rend(); ++k) sws::BR_EnvDeletePoint(envelope.get(), *k);
  remove_duplicates(envelope);
}

bool hand_automation_of(MediaItem* item, int ratioType, const char* caller) {
  if (!item) return false;
  return sws::with(caller,
                   {&sws::BR_EnvAlloc, &sws::BR_EnvSortPoints, &sws::BR_EnvCountPoints, &sws::BR_EnvDeletePoint,
                    &sws::BR_EnvFree, &sws::BR_EnvGetPoint, &sws::BR_EnvSetPoint, &sws::BR_EnvGetProperties,
                    &sws::BR_EnvSetProperties},
                   [&] {
                     if (!envelopes_off(item, caller)) return false;
                     MediaItem_Take* take = host::GetActiveTake(item);
                     ReaProject* project = host::GetItemProjectContext(item);
                     const media_item_list selected = GetSelectedMediaItmes(project);
                     host::SelectAllMediaItems(project, false);
                     host::SetMediaItemSelected(item, true);
                     host::Main_OnCommandEx(toggle_take_volume_envelope, 0, project);
                     const auto restore_selection = [&] {
                       host::SetMediaItemSelected(item, false);
                       SelectMediaItems(selected, true);
                     };
                     envelope_object envelope(host::GetTakeEnvelopeByName(take, "Volume"));
                     if (!envelope.get()) {
                       restore_selection();
                       return false;
                     }
                     envelope.show(true);
                     draw_automation(item, envelope, ratioType);
                     envelope.commit();
                     restore_selection();
                     return RenderMediaItemActiveTake(item);
                   });
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
