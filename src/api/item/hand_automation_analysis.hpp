#pragma once
// The arithmetic of the hand-drawn volume automation: 10 ms windows cut from
// an item's 1 ms peaks, a target level from the loud windows, the gain each
// window's envelope point receives, and the points the envelope ends with.
#include <vector>

#include "object/kv_peak.hpp"

namespace KV_COBALT::hand_automation {

struct window {
  double pos;           // time of the window's envelope point, seconds from the item start
  double level;         // dB below full scale of the window's loudest sample (smaller is louder), never below 0
  double gain = 0;      // dB given to the window; 0 when none
  bool written = true;  // whether the adjustment rewrites the window's point
};

// Loud windows sit above -50 dB.
inline constexpr double loud_below = 50;

std::vector<window> cut_windows(const kv_object::peak_list& peaks);

// How far loud windows are pulled down towards the loud band, by ratio type.
double ratio_of(int ratioType);

// Gives every window its gain. Windows whose band cannot be found (a mean
// over no levels) stay at unity, so no gain is ever anything but finite.
void choose_gains(std::vector<window>& windows, double ratio);

// Windows whose gain differs by less than 0.5 dB from both neighbours, in
// ascending order.
std::vector<int> flat_windows(const std::vector<window>& windows);

// An envelope point as the automation writes it: shape 0, not selected.
struct point {
  double pos;
  double value;  // gain factor, 1 at unity
};

// From the last pair down to the pair (2, 1): of two neighbouring points at
// one time, the one nearer unity goes and the other is compared with the
// point before the pair; two equally near both stay.
void remove_duplicates(std::vector<point>& points);

// The points the envelope ends with, in list order, after the reset point (if
// the reset left one) and one appended point per window, window k rewriting
// point k, then the flat points and the duplicates removed. Worked out here
// because SWS keeps its points in one array: deleting them one by one from a
// long list would move every later point each time.
std::vector<point> surviving_points(const std::vector<window>& windows, bool reset_point);

}  // namespace KV_COBALT::hand_automation
