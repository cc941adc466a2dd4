#include "api/track/track_name_operations.hpp"

#include <algorithm>
#include <cstring>

#include "entry/host_import.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {
constexpr int name_capacity = 1024;
}  // namespace

bool GetTrackItemName(MediaTrack* track, char* nameOut, int nameOut_sz) {
  if (!track || !nameOut) return false;
  char scratch[name_capacity] = "";
  if (!host::GetTrackName(track, scratch, std::clamp(nameOut_sz, 0, name_capacity))) return false;
  kv_utility::strcpy(nameOut, nameOut_sz, std::string(scratch, strnlen(scratch, sizeof scratch)));
  return true;
}

bool GetTrackIdName(ReaProject* projID, int trackID, char* nameOut, int nameOut_sz) {
  return GetTrackItemName(host::GetTrack(projID, trackID), nameOut, nameOut_sz);
}

bool GetSelectedTrackIdName(ReaProject* projID, int trackID, char* nameOut, int nameOut_sz) {
  return GetTrackItemName(host::GetSelectedTrack(projID, trackID), nameOut, nameOut_sz);
}

bool SetTrackItemName(MediaTrack* track, const char* setName) {
  if (!track) return false;
  std::string name = setName ? setName : "";  // the host's parameter is not const
  return host::GetSetMediaTrackInfo_String(track, "P_NAME", name.data(), true);
}

bool SetTrackIdName(ReaProject* projID, int trackID, const char* setName) {
  return SetTrackItemName(host::GetTrack(projID, trackID), setName);
}

bool SetSelectedTrackIdName(ReaProject* projID, int selectTrackID, const char* setName) {
  return SetTrackItemName(host::GetSelectedTrack(projID, selectTrackID), setName);
}

std::string read_track_name(MediaTrack* track) {
  char name[name_capacity] = "";
  GetTrackItemName(track, name, name_capacity);
  return name;
}

}  // namespace KV_COBALT
