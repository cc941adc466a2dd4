#pragma once
// Envelope points addressed by their position in the list. Editors walk a
// long list deleting as they go (from the end down, or around one place), so
// deleted places gather in one gap that travels with the deletions: a delete
// costs the distance the gap moves, not the length of the list, and every
// other access stays constant time.
#include <cstddef>
#include <vector>

#include "envelope_point.hpp"

namespace kvhost::model {

class point_list {
 public:
  point_list() = default;
  explicit point_list(std::vector<envelope_point> points);

  std::size_t size() const { return points_.size() - (gap_end_ - gap_begin_); }
  // The point at that position; null when there is none.
  envelope_point* at(std::size_t id);
  void push_back(const envelope_point& point) { points_.push_back(point); }
  void erase(std::size_t id);
  // Stable: points at one time keep their order.
  void sort_by_time();
  // The points in order; the list is left empty.
  std::vector<envelope_point> release();

 private:
  void move_gap(std::size_t to);
  void close_gap();

  std::vector<envelope_point> points_;  // the gap's slots hold deleted points
  std::size_t gap_begin_ = 0, gap_end_ = 0;
};

}  // namespace kvhost::model
