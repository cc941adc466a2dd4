// Takes of an item: which one plays, and their properties.
#include <cmath>
#include <string_view>

#include "api/host_api.hpp"
#include "model/need_big.hpp"
#include "model/property_text.hpp"
#include "model/state.hpp"
#include "model/text.hpp"

namespace kvhost::api {
using namespace kvhost::model;
namespace {

// Play rates the host accepts.
constexpr double max_playrate = 1000;

}  // namespace

MediaItem_Take* AddTakeToMediaItem(MediaItem* item) {
  auto* member = find_item(item);
  return member ? handle(&member->add_take()) : nullptr;
}

MediaItem_Take* GetMediaItemTake(MediaItem* item, int tk) {
  auto* member = find_item(item);
  if (!member || tk < 0 || tk >= static_cast<int>(member->takes.size())) return nullptr;
  return handle(member->takes[static_cast<std::size_t>(tk)].get());
}

int GetMediaItemNumTakes(MediaItem* item) { return CountTakes(item); }

void SetActiveTake(MediaItem_Take* take) {
  if (auto* member = find_take(take)) member->owner->active = member;
}

MediaItem* GetMediaItemTake_Item(MediaItem_Take* take) {
  auto* member = find_take(take);
  return member ? handle(member->owner) : nullptr;
}

const char* GetTakeName(MediaItem_Take* take) {
  auto* member = find_take(take);
  return member ? member->name.c_str() : nullptr;
}

double GetMediaItemTakeInfo_Value(MediaItem_Take* take, const char* parmname) {
  auto* member = find_take(take);
  if (!member) return 0;
  const auto key = text_or_empty(parmname);
  if (key == "D_STARTOFFS") return member->start_offset;
  if (key == "D_VOL") return member->volume;
  if (key == "D_PLAYRATE") return member->playrate;
  if (key == "D_PAN") return member->pan;
  if (key == "D_PANLAW") return member->pan_law;
  if (key == "D_PITCH") return member->pitch;
  if (key == "B_PPITCH") return member->preserve_pitch ? 1 : 0;
  if (key == "I_PITCHMODE") return member->pitch_mode;
  if (key == "I_CHANMODE") return member->channel_mode;
  if (key == "IP_TAKENUMBER") return member->owner->index_of(*member);
  if (key == "P_ITEM") return handle_number(member->owner);
  if (key == "P_TRACK") return handle_number(member->owner->owner);
  if (key == "P_SOURCE") return handle_number(member->audio.get());
  return 0;
}

// Values out of a key's range are refused, as is every read-only or unknown key.
bool SetMediaItemTakeInfo_Value(MediaItem_Take* take, const char* parmname, double newvalue) {
  auto* member = find_take(take);
  if (!member || !std::isfinite(newvalue)) return false;
  const auto key = text_or_empty(parmname);
  if (key == "D_STARTOFFS")
    member->start_offset = newvalue;
  else if (key == "D_VOL" && newvalue >= 0)
    member->volume = newvalue;
  else if (key == "D_PLAYRATE" && newvalue > 0 && newvalue <= max_playrate)
    member->playrate = newvalue;
  else if (key == "D_PAN" && newvalue >= -1 && newvalue <= 1)
    member->pan = newvalue;
  else if (key == "D_PANLAW")
    member->pan_law = newvalue;
  else if (key == "D_PITCH")
    member->pitch = newvalue;
  else if (key == "B_PPITCH")
    member->preserve_pitch = newvalue != 0;
  else if (key == "I_PITCHMODE")
    member->pitch_mode = to_int(newvalue);
  else if (key == "I_CHANMODE" && newvalue >= 0)
    member->channel_mode = to_int(newvalue);
  else
    return false;
  return true;
}

bool GetSetMediaItemTakeInfo_String(MediaItem_Take* tk, const char* parmname, char* stringNeedBig, bool setNewValue) {
  auto* member = find_take(tk);
  if (!member || !stringNeedBig) return false;
  const auto key = text_or_empty(parmname);
  if (auto shared = get_set_shared_text(key, stringNeedBig, setNewValue, member->guid, member->ext)) return *shared;
  if (key != "P_NAME") return false;
  if (setNewValue)
    member->name = read_need_big(stringNeedBig);
  else
    write_need_big(stringNeedBig, member->name);
  return true;
}

TrackEnvelope* GetTakeEnvelopeByName(MediaItem_Take* take, const char* envname) {
  auto* member = find_take(take);
  return member && envname ? handle(member->find_envelope(envname)) : nullptr;
}

int CountTakeEnvelopes(MediaItem_Take* take) {
  auto* member = find_take(take);
  return member ? static_cast<int>(member->envelopes.size()) : 0;
}

TrackEnvelope* GetTakeEnvelope(MediaItem_Take* take, int envidx) {
  auto* member = find_take(take);
  if (!member || envidx < 0 || envidx >= static_cast<int>(member->envelopes.size())) return nullptr;
  return handle(member->envelopes[static_cast<std::size_t>(envidx)].get());
}

}  // namespace kvhost::api
