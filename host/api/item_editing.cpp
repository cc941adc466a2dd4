// Splitting items, and their text properties.
#include <string_view>

#include "api/host_api.hpp"
#include "model/item_copy.hpp"
#include "model/need_big.hpp"
#include "model/property_text.hpp"
#include "model/state.hpp"
#include "model/text.hpp"

namespace kvhost::api {
using namespace kvhost::model;

MediaItem* SplitMediaItem(MediaItem* item, double position) {
  auto* member = find_item(item);
  return member ? handle(split_item(*member, position)) : nullptr;
}

bool GetSetMediaItemInfo_String(MediaItem* item, const char* parmname, char* stringNeedBig, bool setNewValue) {
  auto* member = find_item(item);
  if (!member || !stringNeedBig) return false;
  const auto key = text_or_empty(parmname);
  if (auto shared = get_set_shared_text(key, stringNeedBig, setNewValue, member->guid, member->ext)) return *shared;
  if (key != "P_NOTES") return false;
  if (setNewValue)
    member->notes = read_need_big(stringNeedBig);
  else
    write_need_big(stringNeedBig, member->notes);
  return true;
}

}  // namespace kvhost::api
