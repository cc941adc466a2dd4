#pragma once
// Host actions run on one item while the user's item selection is kept, and
// rendering an item's active take into a new take.
#include <vector>

#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text)
#define KV_ITEM_ACTION_OPERATIONS(X)                                                                           \
  X(bool, ActionMediaItemSelectKeep, (MediaItem* item, int cmdID), "[KV:API]Action MediaItem SelectKeep")      \
  X(bool, ActionMediaIdSelectKeep, (ReaProject* projID, int itemID, int cmdID),                                \
    "[KV:API]Action MediaID SelectKeep")                                                                       \
  X(bool, ActionSelectedMediaIdSelectKeep, (ReaProject* projID, int selectItemID, int cmdID),                  \
    "[KV:API]Action Select MediaID SelectKeep")

#define KV_ITEM_RENDER_OPERATIONS(X)                                                                           \
  X(bool, RenderMediaItemActiveTake, (MediaItem* item), "[KV:API]RenderMediaItemActiveTake")                   \
  X(bool, RenderMediaIdActiveTake, (ReaProject* projID, int itemID), "[KV:API]RenderMediaIdActiveTake")        \
  X(bool, RenderSelectedMediaIdActiveTake, (ReaProject* projID, int selectItemID),                             \
    "[KV:API]RenderSelectedMediaIdActiveTake")

namespace KV_COBALT {
KV_ITEM_ACTION_OPERATIONS(KV_DECLARE_OPERATION)
KV_ITEM_RENDER_OPERATIONS(KV_DECLARE_OPERATION)

using media_item_list = std::vector<MediaItem*>;

// The project's selected items in selected-index order.
media_item_list GetSelectedMediaItmes(ReaProject* project);
void SelectMediaItems(media_item_list items, bool select);
}  // namespace KV_COBALT
