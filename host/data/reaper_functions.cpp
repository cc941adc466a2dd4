#include "data/reaper_functions.hpp"

#include <algorithm>
#include <array>

namespace kvhost {
namespace {

constexpr std::string_view names[] = {
#include "reaper_function_names.inc"
};

// Looked up by binary search, so kept in byte order.
static_assert(std::is_sorted(std::begin(names), std::end(names)));

constexpr std::array<std::string_view, 4> engine_names = {"atexit", "defer", "get_action_context", "runloop"};

}  // namespace

std::span<const std::string_view> reaper_function_names() { return names; }

bool is_reaper_function(std::string_view name) { return std::binary_search(std::begin(names), std::end(names), name); }

bool is_script_engine_function(std::string_view name) {
  return std::find(engine_names.begin(), engine_names.end(), name) != engine_names.end();
}

}  // namespace kvhost
