#pragma once
// Host actions run on one item while the user's item selection is kept, and
// rendering an item's active take into a new take.
#include <vector>

#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text, what it does and returns on failure)
#define KV_ITEM_ACTION_OPERATIONS(X)                                                                                  \
  X(bool, ActionMediaItemSelectKeep, (MediaItem * item, int cmdID), "[KV:API]Action MediaItem SelectKeep",            \
    "Runs the action cmdID on this item alone and then restores the item selection as it was; false, "                \
    "with nothing run, for a null item or one of no project (a deleted item).")                                       \
  X(bool, ActionMediaIdSelectKeep, (ReaProject * projID, int itemID, int cmdID), "[KV:API]Action MediaID SelectKeep", \
    "As KV_ActionMediaItemSelectKeep for the item at itemID among all items of the project; false "                   \
    "when the index names no item.")                                                                                  \
  X(bool, ActionSelectedMediaIdSelectKeep, (ReaProject * projID, int selectItemID, int cmdID),                        \
    "[KV:API]Action Select MediaID SelectKeep",                                                                       \
    "As KV_ActionMediaItemSelectKeep for the selected item at selectItemID; false when the index "                    \
    "names no item.")

#define KV_ITEM_RENDER_OPERATIONS(X)                                                                     \
  X(bool, RenderMediaItemActiveTake, (MediaItem * item), "[KV:API]RenderMediaItemActiveTake",            \
    "Crops the item to its active take when it has several, then renders the active take with its "      \
    "envelopes to a new take, keeping the item selection; false, with nothing run, for a null item "     \
    "or one of no project (a deleted item).")                                                            \
  X(bool, RenderMediaIdActiveTake, (ReaProject * projID, int itemID), "[KV:API]RenderMediaIdActiveTake", \
    "As KV_RenderMediaItemActiveTake for the item at itemID among all items of the project; false "      \
    "when the index names no item.")                                                                     \
  X(bool, RenderSelectedMediaIdActiveTake, (ReaProject * projID, int selectItemID),                      \
    "[KV:API]RenderSelectedMediaIdActiveTake",                                                           \
    "As KV_RenderMediaItemActiveTake for the selected item at selectItemID; false when the index "       \
    "names no item.")

namespace KV_COBALT {
KV_ITEM_ACTION_OPERATIONS(KV_DECLARE_OPERATION)
KV_ITEM_RENDER_OPERATIONS(KV_DECLARE_OPERATION)

using media_item_list = std::vector<MediaItem*>;

// The project's selected items in selected-index order.
media_item_list GetSelectedMediaItmes(ReaProject* project);
void SelectMediaItems(media_item_list items, bool select);
}  // namespace KV_COBALT
