#include "point_list.hpp"

#include <utility>

namespace kvhost::model {

void point_list::erase(std::size_t id) {
  if (id < points_.size()) points_.erase(points_.begin() + static_cast<std::ptrdiff_t>(id));
}

std::vector<envelope_point> point_list::release() { return std::exchange(points_, {}); }

}  // namespace kvhost::model
