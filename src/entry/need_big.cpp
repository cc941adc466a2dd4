#include "entry/need_big.hpp"

#include <algorithm>
#include <climits>
#include <string>

#include "entry/host_import.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {

bool need_big_can_grow() { return static_cast<bool>(host::realloc_cmd_ptr); }

bool grow_need_big(char*& buffer, int& size, std::size_t wanted) {
  if (!buffer || !need_big_can_grow() || wanted > static_cast<std::size_t>(INT_MAX)) return false;
  char* grown = buffer;
  int grown_size = size;
  if (!host::realloc_cmd_ptr(&grown, &grown_size, static_cast<int>(wanted))) return false;
  buffer = grown;
  size = grown_size;
  return true;
}

void write_need_big(char*& buffer, int& size, std::string_view text) {
  if (!buffer) return;
  const bool fits = size > 0 && text.size() < static_cast<std::size_t>(size);
  if (!fits && grow_need_big(buffer, size, text.size())) {
    // Only the new buffer may be written now.
    if (buffer && size > 0) std::copy_n(text.begin(), std::min(text.size(), static_cast<std::size_t>(size)), buffer);
    return;
  }
  // Only what fits is copied: a long text read in pieces stays linear.
  if (size > 0) kv_utility::strcpy(buffer, size, std::string(text.substr(0, static_cast<std::size_t>(size - 1))));
}

}  // namespace KV_COBALT
