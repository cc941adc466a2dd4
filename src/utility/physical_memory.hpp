#pragma once
#include <cstddef>

namespace kv_utility {

// The machine's physical memory in bytes; SIZE_MAX when the system does not say.
std::size_t physical_memory();

}  // namespace kv_utility
