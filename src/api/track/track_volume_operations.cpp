#include "api/track/track_volume_operations.hpp"

#include <cmath>

#include "entry/host_import.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

double gain_of(MediaTrack* track) { return host::GetMediaTrackInfo_Value(track, "D_VOL"); }

// A gain that is not a finite number (from NaN or huge decibels, or adding
// +inf to a silent track) would break the mix: it is refused, not written.
bool write_gain(MediaTrack* track, double gain) {
  if (!std::isfinite(gain)) return false;
  host::SetMediaTrackInfo_Value(track, "D_VOL", gain);
  host::UpdateArrange();
  return true;
}

}  // namespace

bool GetTrackItemVolume(MediaTrack* track, double* volumeOut) {
  if (!track || !volumeOut) return false;
  *volumeOut = kv_utility::round(kv_utility::to_dB(gain_of(track)), 2);
  return true;
}

bool GetTrackIdVolume(ReaProject* projID, int trackID, double* volumeOut) {
  return GetTrackItemVolume(host::GetTrack(projID, trackID), volumeOut);
}

bool GetSelectedTrackIdVolume(ReaProject* projID, int selectTrackID, double* volumeOut) {
  return GetTrackItemVolume(host::GetSelectedTrack(projID, selectTrackID), volumeOut);
}

bool SetTrackItemVolume(MediaTrack* track, double setVolume) {
  return track && write_gain(track, kv_utility::to_reaper_volume(setVolume));
}

bool SetTrackIdVolume(ReaProject* projID, int trackID, double setVolume) {
  return SetTrackItemVolume(host::GetTrack(projID, trackID), setVolume);
}

bool SetSelectedTrackIdVolume(ReaProject* projID, int selectTrackID, double setVolume) {
  return SetTrackItemVolume(host::GetSelectedTrack(projID, selectTrackID), setVolume);
}

// Works in unrounded decibels; a silent track (-inf dB) stays silent.
bool SetTrackItemAddVolume(MediaTrack* track, double addVolume) {
  return track && write_gain(track, kv_utility::to_reaper_volume(kv_utility::to_dB(gain_of(track)) + addVolume));
}

bool SetTrackIdAddVolume(ReaProject* projID, int trackID, double addVolume) {
  return SetTrackItemAddVolume(host::GetTrack(projID, trackID), addVolume);
}

bool SetSelectedTrackIdAddVolume(ReaProject* projID, int selectTrackID, double addVolume) {
  return SetTrackItemAddVolume(host::GetSelectedTrack(projID, selectTrackID), addVolume);
}

}  // namespace KV_COBALT
