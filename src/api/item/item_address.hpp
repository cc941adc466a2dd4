#pragma once
// How operations reach a media item: by handle, by index among all items, or
// by index among the selected items, in the host's item order.
#include "entry/host_types.hpp"

namespace KV_COBALT::item_address {

// The project an item belongs to, from its "P_PROJECT"; null for a null item
// and for one whose project cannot be found (a deleted item reads none), so
// that nothing runs on the current project in its place. A host that offers
// ValidatePtr2 confirms the item lives in that project.
ReaProject* project_of(MediaItem* item);

MediaItem* by_index(ReaProject* project, int index);
MediaItem* by_selected_index(ReaProject* project, int index);

}  // namespace KV_COBALT::item_address
