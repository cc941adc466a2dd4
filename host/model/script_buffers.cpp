#include "script_buffers.hpp"

#include <cstdint>
#include <unordered_map>

namespace kvhost::model {
namespace {

std::unordered_map<const double*, std::size_t>& buffers() {
  static auto* known = new std::unordered_map<const double*, std::size_t>;
  return *known;
}

}  // namespace

void remember_script_buffer(const double* data, std::size_t capacity) { buffers()[data] = capacity; }

void forget_script_buffer(const double* data) { buffers().erase(data); }

std::size_t script_buffer_room(const double* data) {
  const auto found = buffers().find(data);
  return found == buffers().end() ? SIZE_MAX : found->second;
}

}  // namespace kvhost::model
