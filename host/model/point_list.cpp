#include "point_list.hpp"

#include <algorithm>
#include <utility>

namespace kvhost::model {

point_list::point_list(std::vector<envelope_point> points)
    : points_(std::move(points)), gap_begin_(points_.size()), gap_end_(points_.size()) {}

envelope_point* point_list::at(std::size_t id) {
  if (id >= size()) return nullptr;
  return &points_[id < gap_begin_ ? id : id + (gap_end_ - gap_begin_)];
}

void point_list::erase(std::size_t id) {
  if (id >= size()) return;
  move_gap(id);
  ++gap_end_;  // the point at id joins the gap
}

void point_list::move_gap(std::size_t to) {
  const auto at = [this](std::size_t i) { return points_.begin() + static_cast<std::ptrdiff_t>(i); };
  if (gap_begin_ == gap_end_) {
    gap_begin_ = gap_end_ = to;
  } else if (to < gap_begin_) {
    std::move_backward(at(to), at(gap_begin_), at(gap_end_));
    gap_end_ -= gap_begin_ - to;
    gap_begin_ = to;
  } else if (to > gap_begin_) {
    std::move(at(gap_end_), at(gap_end_ + (to - gap_begin_)), at(gap_begin_));
    gap_end_ += to - gap_begin_;
    gap_begin_ = to;
  }
}

void point_list::close_gap() {
  const auto at = [this](std::size_t i) { return points_.begin() + static_cast<std::ptrdiff_t>(i); };
  points_.erase(at(gap_begin_), at(gap_end_));
  gap_begin_ = gap_end_ = points_.size();
}

void point_list::sort_by_time() {
  close_gap();
  model::sort_by_time(points_);
}

std::vector<envelope_point> point_list::release() {
  close_gap();
  gap_begin_ = gap_end_ = 0;
  return std::exchange(points_, {});
}

}  // namespace kvhost::model
