#include "api/track/track_switch_operations.hpp"

#include "entry/host_import.hpp"

namespace KV_COBALT {
namespace {

// An on/off property the host stores as a number.
struct track_switch {
  const char* key;
  bool (*is_on)(double value);
};

const track_switch mute{"B_MUTE", [](double value) { return value == 1; }};
// Every solo mode of the host (solo, solo in place, the safe modes) is 1 or more.
const track_switch solo{"I_SOLO", [](double value) { return value >= 1; }};

// The result is the state itself; a value that is neither clearly off nor
// clearly on is not reported, so the caller sees the out-parameter untouched.
bool read(const track_switch& property, MediaTrack* track, bool* out) {
  if (!out) return false;
  const double value = host::GetMediaTrackInfo_Value(track, property.key);
  if (value == 0) {
    *out = false;
    return false;
  }
  if (!property.is_on(value)) return false;
  *out = true;
  return true;
}

bool write(const track_switch& property, MediaTrack* track, bool on) {
  return host::SetMediaTrackInfo_Value(track, property.key, on ? 1.0 : 0.0);
}

bool all_off(const track_switch& property, ReaProject* project) {
  const int count = host::CountTracks(project);
  for (int i = 0; i < count; ++i) write(property, host::GetTrack(project, i), false);
  return true;
}

}  // namespace

bool GetTrackItemMute(MediaTrack* track, bool* muteOut) { return track && read(mute, track, muteOut); }

bool GetTrackIdMute(ReaProject* projID, int trackId, bool* muteOut) {
  return GetTrackItemMute(host::GetTrack(projID, trackId), muteOut);
}

bool GetSelectedTrackIdMute(ReaProject* projID, int selectTrackId, bool* muteOut) {
  return GetTrackItemMute(host::GetSelectedTrack(projID, selectTrackId), muteOut);
}

bool SetTrackItemMute(MediaTrack* track, bool setMute) { return track && write(mute, track, setMute); }

bool SetTrackIdMute(ReaProject* projID, int trackID, bool setMute) {
  return write(mute, host::GetTrack(projID, trackID), setMute);
}

bool SetSelectedTrackIdMute(ReaProject* projID, int selectTrackID, bool setMute) {
  return write(mute, host::GetSelectedTrack(projID, selectTrackID), setMute);
}

bool SetTrackAllMuteOFF(ReaProject* projID) { return all_off(mute, projID); }

bool GetTrackItemSolo(MediaTrack* track, bool* soloOut) { return track && read(solo, track, soloOut); }

bool GetTrackIdSolo(ReaProject* projID, int trackID, bool* soloOut) {
  return read(solo, host::GetTrack(projID, trackID), soloOut);
}

bool GetSelectedTrackIdSolo(ReaProject* projID, int selectTrackID, bool* soloOut) {
  return read(solo, host::GetSelectedTrack(projID, selectTrackID), soloOut);
}

bool SetTrackItemSolo(MediaTrack* track, bool setSolo) { return track && write(solo, track, setSolo); }

bool SetTrackIdSolo(ReaProject* projID, int trackID, bool setSolo) {
  return write(solo, host::GetTrack(projID, trackID), setSolo);
}

bool SetSelectedTrackIdSolo(ReaProject* projID, int selectTrackID, bool setSolo) {
  return write(solo, host::GetSelectedTrack(projID, selectTrackID), setSolo);
}

bool SetTrackAllSoloOFF(ReaProject* projID) { return all_off(solo, projID); }

}  // namespace KV_COBALT
