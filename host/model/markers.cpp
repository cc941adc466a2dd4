#include "markers.hpp"

#include <algorithm>

namespace kvhost::model {

int marker_list::add(marker entry, int wanted) {
  int number = wanted;
  if (number < 1 || find(number, entry.region) != entries_.end()) {
    number = 1;
    while (find(number, entry.region) != entries_.end()) ++number;
  }
  entry.number = number;
  place(std::make_unique<marker>(std::move(entry)));
  return number;
}

const marker* marker_list::at(int index) const {
  if (index < 0 || index >= size()) return nullptr;
  return entries_[static_cast<std::size_t>(index)].get();
}

bool marker_list::update(int number, bool region, double position, double end, std::string_view name, int color) {
  const auto found = entries_.begin() + (find(number, region) - entries_.cbegin());
  if (found == entries_.end()) return false;
  marker& entry = **found;
  entry.end = region ? end : position;
  entry.color = color;
  if (!name.empty()) entry.name = name;
  if (entry.position != position) {
    entry.position = position;
    auto moved = std::move(*found);
    entries_.erase(found);
    place(std::move(moved));
  }
  return true;
}

bool marker_list::remove(int index) {
  if (!at(index)) return false;
  entries_.erase(entries_.begin() + index);
  return true;
}

int marker_list::count(bool region) const {
  return static_cast<int>(
      std::count_if(entries_.begin(), entries_.end(), [&](const auto& entry) { return entry->region == region; }));
}

marker_list::entry_list::const_iterator marker_list::find(int number, bool region) const {
  return std::find_if(entries_.begin(), entries_.end(),
                      [&](const auto& entry) { return entry->number == number && entry->region == region; });
}

void marker_list::place(std::unique_ptr<marker> entry) {
  const auto after_equals =
      std::upper_bound(entries_.begin(), entries_.end(), entry->position,
                       [](double position, const auto& other) { return position < other->position; });
  entries_.insert(after_equals, std::move(entry));
}

}  // namespace kvhost::model
