#include "api/item/loudness_operations.hpp"

#include <cmath>

#include "api/item/item_address.hpp"
#include "entry/sws_import.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

// The analysis reports digital silence at this floor.
constexpr double silence = -150;

bool normalise(MediaItem* item, double target, double* maxMomentaryOut, const char* caller) {
  if (!item_address::project_of(item)) return false;
  return sws::with(caller, {&sws::NF_AnalyzeTakeLoudness2}, [&] {
    // No finite level to reach.
    if (!std::isfinite(target)) return false;
    MediaItem_Take* take = host::GetActiveTake(item);
    if (!take) return false;
    double integrated = 0, range = 0, true_peak = 0, true_peak_position = 0, short_term_max = 0, momentary_max = 0,
           short_term_max_position = 0, momentary_max_position = 0;
    if (!sws::NF_AnalyzeTakeLoudness2(take, false, &integrated, &range, &true_peak, &true_peak_position,
                                      &short_term_max, &momentary_max, &short_term_max_position,
                                      &momentary_max_position))
      return false;
    if (!std::isfinite(momentary_max) || momentary_max <= silence) return false;
    const double volume = host::GetMediaItemInfo_Value(item, "D_VOL");
    // The volume changed by the difference in dB; a polarity flip is kept.
    const double magnitude =
        kv_utility::to_reaper_volume(kv_utility::to_dB(std::fabs(volume)) + (target - momentary_max));
    const double new_volume = std::copysign(magnitude, volume);
    // A volume that reaches 0 from any other cannot be moved again by any later call.
    if (!std::isfinite(new_volume) || (new_volume == 0 && volume != 0)) return false;
    if (maxMomentaryOut) *maxMomentaryOut = momentary_max_position;
    const bool set = host::SetMediaItemInfo_Value(item, "D_VOL", new_volume);
    host::UpdateArrange();
    return set;
  });
}

}  // namespace

bool SetMediaItemLoudnessMaxMomentary(MediaItem* item, double setMaxMomentary, double* maxMomentaryOut) {
  return normalise(item, setMaxMomentary, maxMomentaryOut, KV_REGISTERED_NAME(SetMediaItemLoudnessMaxMomentary));
}

bool SetMediaIdLoudnessMaxMomentary(ReaProject* projID, int itemID, double setMaxMomentary, double* maxMomentaryOut) {
  return normalise(item_address::by_index(projID, itemID), setMaxMomentary, maxMomentaryOut,
                   KV_REGISTERED_NAME(SetMediaIdLoudnessMaxMomentary));
}

bool SetSelectedMediaIdLoudnessMaxMomentary(ReaProject* projID, int selectItemID, double setMaxMomentary,
                                            double* maxMomentaryOut) {
  return normalise(item_address::by_selected_index(projID, selectItemID), setMaxMomentary, maxMomentaryOut,
                   KV_REGISTERED_NAME(SetSelectedMediaIdLoudnessMaxMomentary));
}

}  // namespace KV_COBALT
