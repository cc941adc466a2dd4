// Track properties read and written by key.
#include <cstdint>
#include <string_view>

#include "api/host_api.hpp"
#include "model/need_big.hpp"
#include "model/state.hpp"
#include "model/text.hpp"

namespace kvhost::api {
using namespace kvhost::model;

double GetMediaTrackInfo_Value(MediaTrack* tr, const char* parmname) {
  auto* member = find_track(tr);
  if (!member) return 0;
  const auto key = text_or_empty(parmname);
  if (key == "B_MUTE") return member->mute ? 1 : 0;
  if (key == "I_SOLO") return member->solo;
  if (key == "D_VOL") return member->volume;
  if (key == "I_FOLDERDEPTH") return member->folder_depth;
  if (key == "I_SELECTED") return member->selected ? 1 : 0;
  if (key == "I_CUSTOMCOLOR") return member->color;
  if (key == "P_PROJECT") return static_cast<double>(reinterpret_cast<std::uintptr_t>(handle(member->owner)));
  if (key == "IP_TRACKNUMBER") return member->master ? -1 : member->owner->index_of(*member) + 1;
  return 0;
}

bool SetMediaTrackInfo_Value(MediaTrack* tr, const char* parmname, double newvalue) {
  auto* member = find_track(tr);
  if (!member) return false;
  const auto key = text_or_empty(parmname);
  if (key == "B_MUTE")
    member->mute = newvalue != 0;
  else if (key == "I_SOLO")
    member->solo = to_int(newvalue);
  else if (key == "D_VOL")
    member->volume = newvalue;
  else if (key == "I_FOLDERDEPTH")
    member->owner->set_folder_depth(*member, to_int(newvalue));
  else if (key == "I_SELECTED")
    member->owner->set_selected(*member, newvalue != 0);
  else if (key == "I_CUSTOMCOLOR")
    member->color = to_int(newvalue);
  else
    return false;
  return true;
}

bool GetSetMediaTrackInfo_String(MediaTrack* tr, const char* parmname, char* stringNeedBig, bool setNewValue) {
  auto* member = find_track(tr);
  if (!member || member->master || !stringNeedBig || text_or_empty(parmname) != "P_NAME") return false;
  if (setNewValue)
    member->name = read_need_big(stringNeedBig);
  else
    write_need_big(stringNeedBig, member->name);
  return true;
}

int GetTrackColor(MediaTrack* track) {
  auto* member = find_track(track);
  return member ? member->color : 0;
}

// Always a colour of the track's own, black included; only "I_CUSTOMCOLOR"
// set to 0 removes it.
void SetTrackColor(MediaTrack* track, int color) {
  if (auto* member = find_track(track)) member->color = color | 0x1000000;
}

}  // namespace kvhost::api
