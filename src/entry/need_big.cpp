#include "entry/need_big.hpp"

#include <algorithm>
#include <climits>

#include "entry/host_import.hpp"

namespace KV_COBALT {

bool need_big_can_grow() { return static_cast<bool>(host::realloc_cmd_ptr); }

bool grow_need_big(char*& buffer, int& size, std::size_t wanted) {
  if (!buffer || !need_big_can_grow() || wanted > static_cast<std::size_t>(INT_MAX)) return false;
  char* grown = buffer;
  int grown_size = size;
  if (!host::realloc_cmd_ptr(&grown, &grown_size, static_cast<int>(wanted))) return false;
  buffer = grown;
  size = grown_size;
  if (buffer && static_cast<std::size_t>(size) == wanted) return true;
  // Another size than asked: the host reads all of it, none yet written.
  if (buffer && size > 0) std::fill_n(buffer, size, '\0');
  return false;
}

void write_need_big_start(char* buffer, int size, std::string_view text) {
  if (!buffer || size <= 0) return;
  const std::size_t length = std::min(text.size(), static_cast<std::size_t>(size) - 1);
  std::copy_n(text.begin(), length, buffer);
  buffer[length] = '\0';
}

bool write_need_big(char*& buffer, int& size, std::string_view text) {
  if (!buffer) return false;
  const bool fits = text.size() < static_cast<std::size_t>(std::max(size, 0)) &&
                    text.find('\0') == std::string_view::npos;  // read up to its first NUL
  if (!fits && grow_need_big(buffer, size, text.size())) {
    std::copy(text.begin(), text.end(), buffer);
    return true;
  }
  write_need_big_start(buffer, size, text);
  return fits;
}

}  // namespace KV_COBALT
