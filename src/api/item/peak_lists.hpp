#pragma once
// Peak lists of an item for the script bindings: one record per millisecond
// of the item with "Time" (seconds from the item start), "MaxPeak" and
// "MinPeak" (dB of the block's largest and smallest sample, four decimals,
// never below -80). Each builder appends to the list it is given; false when
// there is no item, no length, no peak data or no room for the list.
#include "entry/host_types.hpp"
#include "object/kv_peak.hpp"

namespace KV_COBALT {

bool GetMediaItemPeakList(MediaItem* item, kv_object::peak_list& peakList);
bool GetMediaIdPeakList(ReaProject* projID, int itemID, kv_object::peak_list& peakList);
bool GetSelectedMediaIdPeakList(ReaProject* projID, int selectItemID, kv_object::peak_list& peakList);

namespace peak_levels {
// The dB reading of a raw peak value, as the lists hold it.
double to_dB(double peak);
// Peak samples asked of the host per call: the host returns at most 2^20 - 1.
inline constexpr int chunk = 1 << 16;
}  // namespace peak_levels

}  // namespace KV_COBALT
