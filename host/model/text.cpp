#include "text.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kvhost::model {

void copy_text(std::string_view text, char* buffer, int size) {
  if (!buffer || size <= 0) return;
  const std::size_t length = std::min(text.size(), static_cast<std::size_t>(size - 1));
  std::copy_n(text.data(), length, buffer);
  buffer[length] = '\0';
}

std::string_view text_or_empty(const char* text) { return text ? std::string_view(text) : std::string_view(); }

std::string_view read_text(const char* buffer, int size) {
  if (!buffer || size <= 0) return {};
  return {buffer, static_cast<std::size_t>(std::find(buffer, buffer + size, '\0') - buffer)};
}

int to_int(double value) {
  if (std::isnan(value)) return 0;
  constexpr double low = std::numeric_limits<int>::min();
  constexpr double high = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(value, low, high));
}

}  // namespace kvhost::model
