#pragma once
// EBU R128 loudness of a take as it plays in its item (libebur128).
#include <optional>

#include "media.hpp"

namespace kvhost::model {

// Loudness in LUFS (the floor, -150, for digital silence), true peak in dBTP.
struct loudness {
  double integrated = 0;
  double range = 0;
  double true_peak = 0;           // only with the true-peak analysis
  double true_peak_position = 0;  // seconds from the item position
  double short_term_max = 0;
  double momentary_max = 0;
  double short_term_max_position = 0;  // project time
  double momentary_max_position = 0;   // project time
};

inline constexpr double loudness_floor = -150;

// Momentary loudness over consecutive 400 ms windows from the item start,
// short-term over consecutive 3 s windows (a last, shorter window ends at the
// item end); a maximum's position is that of the first window holding it.
// Empty for a take without audio, an item without length or a failed analysis.
std::optional<loudness> analyse_loudness(const take& played, bool with_true_peak);

}  // namespace kvhost::model
