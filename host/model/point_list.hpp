#pragma once
// Envelope points addressed by their position in the list, held the way SWS
// holds them: one contiguous array, so deleting a point moves every later
// point down by one. Editors that delete their way down a long list pay here
// what they pay in REAPER.
#include <cstddef>
#include <utility>
#include <vector>

#include "envelope_point.hpp"

namespace kvhost::model {

class point_list {
 public:
  point_list() = default;
  explicit point_list(std::vector<envelope_point> points) : points_(std::move(points)) {}

  std::size_t size() const { return points_.size(); }
  // The point at that position; null when there is none.
  envelope_point* at(std::size_t id) { return id < points_.size() ? &points_[id] : nullptr; }
  void push_back(const envelope_point& point) { points_.push_back(point); }
  // Nothing happens for a position past the end.
  void erase(std::size_t id);
  // Stable: points at one time keep their order.
  void sort_by_time() { model::sort_by_time(points_); }
  // The points in order; the list is left empty.
  std::vector<envelope_point> release();

 private:
  std::vector<envelope_point> points_;
};

}  // namespace kvhost::model
