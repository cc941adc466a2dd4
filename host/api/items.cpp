// Media items: order, selection and properties.
#include <cmath>
#include <string_view>

#include "api/host_api.hpp"
#include "model/state.hpp"
#include "model/text.hpp"

namespace kvhost::api {
using namespace kvhost::model;
namespace {

constexpr int max_fade_shape = 6;

bool in_range(double value, double low, double high) { return value >= low && value <= high; }

// Its place on its track, in position order.
int item_number(item& member) {
  track& owner = *member.owner;
  for (int i = 0; item* other = owner.owner->track_item_at(owner, i); ++i)
    if (other == &member) return i;
  return -1;
}

}  // namespace

MediaItem* GetMediaItem(ReaProject* proj, int itemidx) {
  auto* owner = find_project(proj);
  return owner ? handle(owner->item_at(itemidx)) : nullptr;
}

int CountSelectedMediaItems(ReaProject* proj) {
  auto* owner = find_project(proj);
  return owner ? owner->selected_item_count() : 0;
}

MediaItem* GetSelectedMediaItem(ReaProject* proj, int selitem) {
  auto* owner = find_project(proj);
  return owner ? handle(owner->selected_item_at(selitem)) : nullptr;
}

double GetMediaItemInfo_Value(MediaItem* item, const char* parmname) {
  auto* member = find_item(item);
  if (!member) return 0;
  const auto key = text_or_empty(parmname);
  if (key == "D_POSITION") return member->position;
  if (key == "D_LENGTH") return member->length;
  if (key == "D_VOL") return member->volume;
  if (key == "B_UISEL") return member->selected ? 1 : 0;
  if (key == "B_MUTE") return member->mute ? 1 : 0;
  if (key == "I_CURTAKE") return member->active ? member->index_of(*member->active) : 0;
  if (key == "D_SNAPOFFSET") return member->snap_offset;
  if (key == "D_FADEINLEN") return member->fade_in.length;
  if (key == "D_FADEOUTLEN") return member->fade_out.length;
  if (key == "D_FADEINLEN_AUTO") return member->fade_in.auto_length;
  if (key == "D_FADEOUTLEN_AUTO") return member->fade_out.auto_length;
  if (key == "C_FADEINSHAPE") return member->fade_in.shape;
  if (key == "C_FADEOUTSHAPE") return member->fade_out.shape;
  if (key == "D_FADEINDIR") return member->fade_in.direction;
  if (key == "D_FADEOUTDIR") return member->fade_out.direction;
  if (key == "I_GROUPID") return member->group_id;
  if (key == "IP_ITEMNUMBER") return item_number(*member);
  if (key == "C_LOCK") return member->lock;
  if (key == "B_LOOPSRC") return member->loop_source ? 1 : 0;
  if (key == "B_ALLTAKESPLAY") return member->all_takes_play ? 1 : 0;
  if (key == "I_CUSTOMCOLOR") return member->color;
  if (key == "P_TRACK") return handle_number(member->owner);
  if (key == "P_PROJECT") return handle_number(member->owner->owner);
  return 0;
}

// Values out of a key's range are refused, as is every read-only or unknown key.
bool SetMediaItemInfo_Value(MediaItem* item, const char* parmname, double newvalue) {
  auto* member = find_item(item);
  if (!member || !std::isfinite(newvalue)) return false;
  const auto key = text_or_empty(parmname);
  const bool flag = newvalue != 0;
  if (key == "D_POSITION") {
    member->position = newvalue;
    owner_project(*member).item_moved();
  } else if (key == "D_LENGTH" && newvalue >= 0) {
    member->length = newvalue;
  } else if (key == "D_VOL" && newvalue >= 0) {
    member->volume = newvalue;
  } else if (key == "B_UISEL") {
    owner_project(*member).set_item_selected(*member, flag);
  } else if (key == "B_MUTE") {
    member->mute = flag;
  } else if (key == "I_CURTAKE") {
    const int index = to_int(newvalue);
    if (index < 0 || index >= static_cast<int>(member->takes.size())) return false;
    member->active = member->takes[static_cast<std::size_t>(index)].get();
  } else if (key == "D_SNAPOFFSET" && newvalue >= 0) {
    member->snap_offset = newvalue;
  } else if ((key == "D_FADEINLEN" || key == "D_FADEOUTLEN") && newvalue >= 0) {
    (key == "D_FADEINLEN" ? member->fade_in : member->fade_out).length = newvalue;
  } else if (key == "D_FADEINLEN_AUTO" || key == "D_FADEOUTLEN_AUTO") {
    (key == "D_FADEINLEN_AUTO" ? member->fade_in : member->fade_out).auto_length = newvalue;
  } else if ((key == "C_FADEINSHAPE" || key == "C_FADEOUTSHAPE") && in_range(newvalue, 0, max_fade_shape)) {
    (key == "C_FADEINSHAPE" ? member->fade_in : member->fade_out).shape = to_int(newvalue);
  } else if ((key == "D_FADEINDIR" || key == "D_FADEOUTDIR") && in_range(newvalue, -1, 1)) {
    (key == "D_FADEINDIR" ? member->fade_in : member->fade_out).direction = newvalue;
  } else if (key == "I_GROUPID" && newvalue >= 0) {
    member->group_id = to_int(newvalue);
  } else if (key == "C_LOCK") {
    member->lock = to_int(newvalue);
  } else if (key == "B_LOOPSRC") {
    member->loop_source = flag;
  } else if (key == "B_ALLTAKESPLAY") {
    member->all_takes_play = flag;
  } else if (key == "I_CUSTOMCOLOR") {
    member->color = to_int(newvalue);
  } else {
    return false;
  }
  return true;
}

void SetMediaItemSelected(MediaItem* item, bool selected) {
  if (auto* member = find_item(item)) owner_project(*member).set_item_selected(*member, selected);
}

void SelectAllMediaItems(ReaProject* proj, bool selected) {
  if (auto* owner = find_project(proj)) owner->select_all_items(selected);
}

ReaProject* GetItemProjectContext(MediaItem* item) {
  auto* member = find_item(item);
  return member ? handle(&owner_project(*member)) : nullptr;
}

MediaItem_Take* GetActiveTake(MediaItem* item) {
  auto* member = find_item(item);
  return member ? handle(member->active) : nullptr;
}

int CountTakes(MediaItem* item) {
  auto* member = find_item(item);
  return member ? static_cast<int>(member->takes.size()) : 0;
}

int CountMediaItems(ReaProject* proj) {
  auto* owner = find_project(proj);
  return owner ? owner->item_count() : 0;
}

int CountTrackMediaItems(MediaTrack* track) {
  auto* member = find_track(track);
  return member ? static_cast<int>(member->items.size()) : 0;
}

MediaItem* GetTrackMediaItem(MediaTrack* tr, int itemidx) {
  auto* member = find_track(tr);
  return member ? handle(member->owner->track_item_at(*member, itemidx)) : nullptr;
}

MediaItem* AddMediaItemToTrack(MediaTrack* tr) {
  auto* member = find_track(tr);
  if (!member || member->master) return nullptr;
  return handle(&member->owner->add_item(*member));
}

bool DeleteTrackMediaItem(MediaTrack* tr, MediaItem* it) {
  auto* owner_track = find_track(tr);
  auto* member = find_item(it);
  if (!owner_track || !member || member->owner != owner_track) return false;
  owner_track->owner->remove_item(*member);
  return true;
}

MediaTrack* GetMediaItem_Track(MediaItem* item) {
  auto* member = find_item(item);
  return member ? handle(member->owner) : nullptr;
}

bool IsMediaItemSelected(MediaItem* item) {
  auto* member = find_item(item);
  return member && member->selected;
}

}  // namespace kvhost::api
