#include "api/track/track_color_operations.hpp"

#include <algorithm>

#include "entry/host_import.hpp"

namespace KV_COBALT {
namespace {

// The host marks a colour chosen for the track with this bit.
constexpr int custom_color = 0x1000000;

// The index forms hand a missing track to the host, which answers "no colour".
bool read_color(MediaTrack* track, int* colorOut, int* rOut, int* gOut, int* bOut) {
  if (!colorOut || !rOut || !gOut || !bOut) return false;
  *colorOut = host::GetTrackColor(track);
  host::ColorFromNative(*colorOut, rOut, gOut, bOut);
  return true;
}

bool write_color(MediaTrack* track, int color) {
  host::SetTrackColor(track, color);
  return true;
}

// The host's native colour packs the components unchecked: red 300 would
// spill into other bits and a negative green would make the colour negative.
bool write_rgb(MediaTrack* track, int r, int g, int b) {
  auto component = [](int value) { return std::clamp(value, 0, 255); };
  return write_color(track, host::ColorToNative(component(r), component(g), component(b)));
}

}  // namespace

bool GetTrackItemColor(MediaTrack* track, int* colorOut, int* rOut, int* gOut, int* bOut) {
  return track && read_color(track, colorOut, rOut, gOut, bOut);
}

bool GetTrackIdColor(ReaProject* projID, int trackID, int* colorOut, int* rOut, int* gOut, int* bOut) {
  return read_color(host::GetTrack(projID, trackID), colorOut, rOut, gOut, bOut);
}

bool GetSelectedTrackIdColor(ReaProject* projID, int selectTrackID, int* colorOut, int* rOut, int* gOut, int* bOut) {
  return read_color(host::GetSelectedTrack(projID, selectTrackID), colorOut, rOut, gOut, bOut);
}

bool SetTrackItemColor(MediaTrack* track, int setColor) { return track && write_color(track, setColor | custom_color); }

bool SetTrackIdColor(ReaProject* projID, int trackID, int setColor) {
  return write_color(host::GetTrack(projID, trackID), setColor | custom_color);
}

bool SetSelectedTrackIdColor(ReaProject* projID, int selectTrackID, int setColor) {
  return write_color(host::GetSelectedTrack(projID, selectTrackID), setColor | custom_color);
}

bool SetTrackItemRGB(MediaTrack* track, int setR, int setG, int setB) {
  return track && write_rgb(track, setR, setG, setB);
}

bool SetTrackIdRGB(ReaProject* projID, int trackID, int setR, int setG, int setB) {
  return write_rgb(host::GetTrack(projID, trackID), setR, setG, setB);
}

bool SetSelectedTrackIdRGB(ReaProject* projID, int selectTrackID, int setR, int setG, int setB) {
  return write_rgb(host::GetSelectedTrack(projID, selectTrackID), setR, setG, setB);
}

}  // namespace KV_COBALT
