#include "api/item/item_action_operations.hpp"

#include <algorithm>
#include <utility>

#include "api/item/item_address.hpp"
#include "entry/host_import.hpp"

namespace KV_COBALT {
namespace {
constexpr int crop_to_active_take = 40131;
constexpr int render_to_new_take = 41999;
}  // namespace

media_item_list GetSelectedMediaItmes(ReaProject* project) {
  media_item_list items;
  const int count = host::CountSelectedMediaItems(project);
  for (int i = 0; i < count; ++i) items.push_back(host::GetSelectedMediaItem(project, i));
  return items;
}

void SelectMediaItems(media_item_list items, bool select) {
  for (MediaItem* item : items) host::SetMediaItemSelected(item, select);
}

bool ActionMediaItemSelectKeep(MediaItem* item, int cmdID) {
  ReaProject* project = item_address::project_of(item);
  if (!project) return false;
  // The whole selection is read before any of it changes: a host may walk its
  // items again for the first look-up after each change. It is cleared and put
  // back from the highest selected index down.
  media_item_list saved = GetSelectedMediaItmes(project);
  std::reverse(saved.begin(), saved.end());
  for (MediaItem* selected : saved) host::SetMediaItemSelected(selected, false);
  host::SetMediaItemSelected(item, true);
  host::Main_OnCommandEx(cmdID, 0, project);
  host::SetMediaItemSelected(item, false);
  SelectMediaItems(std::move(saved), true);
  host::UpdateArrange();
  return true;
}

bool ActionMediaIdSelectKeep(ReaProject* projID, int itemID, int cmdID) {
  return ActionMediaItemSelectKeep(item_address::by_index(projID, itemID), cmdID);
}

bool ActionSelectedMediaIdSelectKeep(ReaProject* projID, int selectItemID, int cmdID) {
  return ActionMediaItemSelectKeep(item_address::by_selected_index(projID, selectItemID), cmdID);
}

bool RenderMediaItemActiveTake(MediaItem* item) {
  if (!item_address::project_of(item)) return false;
  if (host::CountTakes(item) != 1) ActionMediaItemSelectKeep(item, crop_to_active_take);
  ActionMediaItemSelectKeep(item, render_to_new_take);
  return true;
}

bool RenderMediaIdActiveTake(ReaProject* projID, int itemID) {
  return RenderMediaItemActiveTake(item_address::by_index(projID, itemID));
}

bool RenderSelectedMediaIdActiveTake(ReaProject* projID, int selectItemID) {
  return RenderMediaItemActiveTake(item_address::by_selected_index(projID, selectItemID));
}

}  // namespace KV_COBALT
