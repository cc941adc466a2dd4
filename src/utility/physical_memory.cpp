#include "utility/physical_memory.hpp"

#ifdef _WIN32
#include "utility/windows_api.hpp"
#else
#include <unistd.h>
#endif

#include <cstdint>

namespace kv_utility {

std::size_t physical_memory() {
#ifdef _WIN32
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof(status);
  if (!GlobalMemoryStatusEx(&status)) return SIZE_MAX;
  return static_cast<std::size_t>(status.ullTotalPhys);
#else
  const long pages = sysconf(_SC_PHYS_PAGES), page_bytes = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || page_bytes <= 0) return SIZE_MAX;
  const auto total = static_cast<std::size_t>(pages);
  const auto size = static_cast<std::size_t>(page_bytes);
  return total > SIZE_MAX / size ? SIZE_MAX : total * size;
#endif
}

}  // namespace kv_utility
