#include "api/item/peak_lists.hpp"

#include <algorithm>
#include <climits>
#include <cmath>
#include <new>
#include <vector>

#include "api/item/item_address.hpp"
#include "entry/host_import.hpp"

namespace KV_COBALT {

double peak_levels::to_dB(double peak) {
  double a = std::fabs(peak);
  // NaN reads as silence too.
  a = a >= 0.0001 ? std::floor(a * 10000 + 0.5) / 10000 : 0.0001;
  return std::floor(20 * std::log10(a) * 10000 + 0.5) / 10000;
}

bool GetMediaItemPeakList(MediaItem* item, kv_object::peak_list& peakList) {
  if (!item_address::project_of(item)) return false;
  MediaItem_Take* take = host::GetActiveTake(item);
  const double position = host::GetMediaItemInfo_Value(item, "D_POSITION");
  const double length = host::GetMediaItemInfo_Value(item, "D_LENGTH");
  if (!take || !(length > 0)) return false;
  const double samples = std::floor(length / 0.001 + 0.5);
  if (samples > INT_MAX) return false;
  const int n = static_cast<int>(samples);
  if (n < 1) return false;

  kv_object::peak_table& table = peakList.table();
  const std::size_t before = table.size();
  try {
    table.reserve_peaks(n);
    // The host's count has 20 bits, so a long item is read in pieces.
    std::vector<double> buffer(3 * static_cast<std::size_t>(std::min(n, peak_levels::chunk)));
    int reported = 0;
    for (int start = 0; start < n; start += peak_levels::chunk) {
      const int count = std::min(peak_levels::chunk, n - start);
      std::fill(buffer.begin(), buffer.end(), 0.0);
      reported |=
          host::GetMediaItemTake_Peaks(take, 1000.0, position + start / 1000.0, 1, count, 115, buffer.data()) & 0xFFFFF;
      for (int i = 0; i < count; ++i)
        table.add_peak((start + i) * 0.001, peak_levels::to_dB(buffer[i]), peak_levels::to_dB(buffer[count + i]));
    }
    if (reported == 0) {
      table.truncate(before);
      return false;
    }
  } catch (const std::bad_alloc&) {
    table.truncate(before);
    return false;
  }
  return true;
}

bool GetMediaIdPeakList(ReaProject* projID, int itemID, kv_object::peak_list& peakList) {
  return GetMediaItemPeakList(item_address::by_index(projID, itemID), peakList);
}

bool GetSelectedMediaIdPeakList(ReaProject* projID, int selectItemID, kv_object::peak_list& peakList) {
  return GetMediaItemPeakList(item_address::by_selected_index(projID, selectItemID), peakList);
}

}  // namespace KV_COBALT
