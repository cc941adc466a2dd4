#include "razor_edits.hpp"

#include <cmath>
#include <cstdlib>
#include <string>

#include "property_text.hpp"

namespace kvhost::model {
namespace {

// Reads a number up to the next space; false when there is none.
bool read_time(std::string_view& text, double& value) {
  const auto end = text.find(' ');
  if (end == std::string_view::npos) return false;
  // strtod rather than from_chars, which the release's older C++ runtime lacks for doubles.
  const std::string digits(text.substr(0, end));
  char* stop = nullptr;
  value = std::strtod(digits.c_str(), &stop);
  if (digits.empty() || stop != digits.c_str() + digits.size() || !std::isfinite(value)) return false;
  text.remove_prefix(end + 1);
  return true;
}

bool read_lane(std::string_view& text) {
  if (text.size() < 2 || text.front() != '"') return false;
  const auto close = text.find('"', 1);
  if (close == std::string_view::npos) return false;
  const auto lane = text.substr(1, close - 1);
  if (!lane.empty() && !is_guid(lane)) return false;
  text.remove_prefix(close + 1);
  return true;
}

}  // namespace

bool is_razor_edit_list(std::string_view text) {
  while (!text.empty()) {
    double start = 0, end = 0;
    if (!read_time(text, start) || !read_time(text, end) || !(start >= 0 && start < end) || !read_lane(text))
      return false;
    if (text.empty()) break;
    if (text.front() != ' ' || text.size() == 1) return false;
    text.remove_prefix(1);
  }
  return true;
}

}  // namespace kvhost::model
