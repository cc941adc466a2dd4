#include "api/item/item_address.hpp"

#include "entry/host_import.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT::item_address {

ReaProject* project_of(MediaItem* item) {
  if (!item) return nullptr;
  auto* project =
      static_cast<ReaProject*>(kv_utility::address_from_number(host::GetMediaItemInfo_Value(item, "P_PROJECT")));
  if (project && host::ValidatePtr2 && !host::ValidatePtr2(project, item, "MediaItem*")) return nullptr;
  return project;
}

MediaItem* by_index(ReaProject* project, int index) { return host::GetMediaItem(project, index); }

MediaItem* by_selected_index(ReaProject* project, int index) { return host::GetSelectedMediaItem(project, index); }

}  // namespace KV_COBALT::item_address
