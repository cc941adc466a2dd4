// Track properties read and written by key.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "api/host_api.hpp"
#include "model/need_big.hpp"
#include "model/property_text.hpp"
#include "model/razor_edits.hpp"
#include "model/state.hpp"
#include "model/text.hpp"

namespace kvhost::api {
using namespace kvhost::model;
namespace {

// Screen geometry has no project meaning: fixed sizes, in pixels.
constexpr int track_panel_height = 64;
constexpr int mixer_strip_width = 80;
constexpr int max_channels = 128;
constexpr int max_record_mode = 11;

bool in_range(double value, double low, double high) { return value >= low && value <= high; }

int panel_height(const track& member) {
  return member.height_override > 0 ? member.height_override : track_panel_height;
}

// Below the tracks before it that the arrange view shows.
double panel_top(track& member) {
  if (member.master) return 0;
  double top = 0;
  for (int i = 0; i < member.owner->index_of(member); ++i) {
    const track& above = *member.owner->track_at(i);
    if (above.show_in_tcp) top += panel_height(above);
  }
  return top;
}

}  // namespace

double GetMediaTrackInfo_Value(MediaTrack* tr, const char* parmname) {
  auto* member = find_track(tr);
  if (!member) return 0;
  const auto key = text_or_empty(parmname);
  if (key == "B_MUTE") return member->mute ? 1 : 0;
  if (key == "I_SOLO") return member->solo;
  if (key == "D_VOL") return member->volume;
  if (key == "D_PAN") return member->pan;
  if (key == "D_WIDTH") return member->width;
  if (key == "B_PHASE") return member->phase ? 1 : 0;
  if (key == "I_NCHAN") return member->channels;
  if (key == "I_FOLDERDEPTH") return member->folder_depth;
  if (key == "I_SELECTED") return member->selected ? 1 : 0;
  if (key == "I_CUSTOMCOLOR") return member->color;
  if (key == "I_RECARM") return member->record_arm;
  if (key == "I_RECINPUT") return member->record_input;
  if (key == "I_RECMON") return member->record_monitor;
  if (key == "I_RECMODE") return member->record_mode;
  if (key == "B_SHOWINTCP") return !member->master && member->show_in_tcp ? 1 : 0;
  if (key == "B_SHOWINMIXER") return !member->master && member->show_in_mixer ? 1 : 0;
  if (key == "I_HEIGHTOVERRIDE") return member->height_override;
  if (key == "I_TCPH") return panel_height(*member);
  if (key == "I_TCPY") return panel_top(*member);
  if (key == "I_MCPW") return mixer_strip_width;
  if (key == "P_PROJECT") return static_cast<double>(reinterpret_cast<std::uintptr_t>(handle(member->owner)));
  if (key == "IP_TRACKNUMBER") return member->master ? -1 : member->owner->index_of(*member) + 1;
  return 0;
}

// Values out of a key's range are refused, as are read-only, screen-only and unknown keys.
bool SetMediaTrackInfo_Value(MediaTrack* tr, const char* parmname, double newvalue) {
  auto* member = find_track(tr);
  if (!member || !std::isfinite(newvalue)) return false;
  const auto key = text_or_empty(parmname);
  const int whole = to_int(newvalue);
  if (key == "B_MUTE")
    member->mute = newvalue != 0;
  else if (key == "I_SOLO")
    member->solo = whole;
  else if (key == "D_VOL")
    member->volume = newvalue;
  else if (key == "D_PAN" && in_range(newvalue, -1, 1))
    member->pan = newvalue;
  else if (key == "D_WIDTH" && in_range(newvalue, -1, 1))
    member->width = newvalue;
  else if (key == "B_PHASE")
    member->phase = newvalue != 0;
  else if (key == "I_NCHAN" && in_range(newvalue, 2, max_channels) && whole % 2 == 0 && whole == newvalue)
    member->channels = whole;
  else if (key == "I_FOLDERDEPTH")
    member->owner->set_folder_depth(*member, whole);
  else if (key == "I_SELECTED")
    member->owner->set_selected(*member, newvalue != 0);
  else if (key == "I_CUSTOMCOLOR")
    member->color = whole;
  else if (key == "I_RECARM" && (newvalue == 0 || newvalue == 1))
    member->record_arm = whole;
  else if (key == "I_RECINPUT")
    member->record_input = whole;
  else if (key == "I_RECMON" && in_range(newvalue, 0, 2))
    member->record_monitor = whole;
  else if (key == "I_RECMODE" && in_range(newvalue, 0, max_record_mode))
    member->record_mode = whole;
  else if (key == "B_SHOWINTCP" && !member->master)
    member->show_in_tcp = newvalue != 0;
  else if (key == "B_SHOWINMIXER" && !member->master)
    member->show_in_mixer = newvalue != 0;
  else if (key == "I_HEIGHTOVERRIDE" && newvalue >= 0)
    member->height_override = whole;
  else
    return false;
  return true;
}

bool GetSetMediaTrackInfo_String(MediaTrack* tr, const char* parmname, char* stringNeedBig, bool setNewValue) {
  auto* member = find_track(tr);
  if (!member || !stringNeedBig) return false;
  const auto key = text_or_empty(parmname);
  if (auto shared = get_set_shared_text(key, stringNeedBig, setNewValue, member->guid, member->ext)) return *shared;
  if (member->master) return false;
  std::string* text = key == "P_NAME" ? &member->name : key == "P_RAZOREDITS" ? &member->razor_edits : nullptr;
  if (!text) return false;
  if (!setNewValue) {
    write_need_big(stringNeedBig, *text);
    return true;
  }
  const std::string_view value = read_need_big(stringNeedBig);
  if (text == &member->razor_edits && !is_razor_edit_list(value)) return false;
  *text = value;
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
