#pragma once
// One point of an envelope.
#include <vector>

namespace kvhost::model {

struct envelope_point {
  double time = 0;  // seconds from the take start
  double value = 0;
  int shape = 0;  // 1 (square) holds the value; every other shape is linear
  double tension = 0;
  bool selected = false;
};

// Stable: points at one time keep their order; points without a time go last.
void sort_by_time(std::vector<envelope_point>& points);

}  // namespace kvhost::model
