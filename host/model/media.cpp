#include "media.hpp"

#include <algorithm>
#include <cmath>

namespace kvhost::model {

envelope::envelope(take& owner_take, std::string envelope_name) : owner(&owner_take), name(std::move(envelope_name)) {
  if (name == "Volume") {
    maximum = 2;
    neutral = 1;
  } else if (name == "Pan") {
    minimum = -1;
  } else if (name == "Pitch") {
    minimum = -24;
    maximum = 24;
  }
}

double envelope::value_at(double time) const {
  std::size_t hint = 0;
  return value_at(time, hint);
}

double envelope::value_at(double time, std::size_t& hint) const {
  if (points.empty()) return neutral;
  if (hint >= points.size() || points[hint].time > time) hint = 0;
  // hint ends on the last point at or before time.
  while (hint + 1 < points.size() && points[hint + 1].time <= time) ++hint;
  const envelope_point& left = points[hint];
  if (time < left.time) return left.value;  // before the first point
  if (hint + 1 == points.size() || left.shape == 1) return left.value;
  const envelope_point& right = points[hint + 1];
  const double span = right.time - left.time;
  if (span <= 0) return right.value;
  return left.value + (right.value - left.value) * ((time - left.time) / span);
}

void sort_by_time(std::vector<envelope_point>& points) {
  // Points without a time (NaN) go last, so the order stays a strict one.
  std::stable_sort(points.begin(), points.end(), [](const auto& a, const auto& b) {
    return std::isnan(b.time) ? !std::isnan(a.time) : a.time < b.time;
  });
}

void envelope::sort_points() { sort_by_time(points); }

envelope* take::find_envelope(std::string_view envelope_name) {
  for (auto& member : envelopes)
    if (member->name == envelope_name) return member.get();
  return nullptr;
}

envelope& take::add_envelope(std::string envelope_name) {
  return *envelopes.emplace_back(std::make_unique<envelope>(*this, std::move(envelope_name)));
}

const envelope* take::active_volume() const {
  for (const auto& member : envelopes)
    if (member->name == "Volume") return member->properties.active ? member.get() : nullptr;
  return nullptr;
}

take& item::add_take() {
  active = takes.emplace_back(std::make_unique<take>(*this)).get();
  return *active;
}

void item::remove_take(take& removed) {
  const int index = index_of(removed);
  if (index < 0) return;
  const bool was_active = active == &removed;
  takes.erase(takes.begin() + index);
  if (!was_active) return;
  const int next = std::min(index, static_cast<int>(takes.size()) - 1);
  active = next < 0 ? nullptr : takes[static_cast<std::size_t>(next)].get();
}

int item::index_of(const take& member) const {
  for (std::size_t i = 0; i < takes.size(); ++i)
    if (takes[i].get() == &member) return static_cast<int>(i);
  return -1;
}

}  // namespace kvhost::model
