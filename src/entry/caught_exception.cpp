#include "entry/caught_exception.hpp"

#include <cstdio>
#include <exception>
#include <mutex>
#include <new>

#include "entry/plugin.hpp"

namespace kv_registry {
namespace {

// Fixed storage: recording must not allocate, since the failure it records
// may have been an allocation.
struct slot {
  std::uint64_t count = 0;
  const char* function = "";
  char what[512]{};
  bool allocation = false;
};
std::mutex slot_lock;
slot last;

void store(const char* function, const char* what, bool allocation) noexcept {
  const std::lock_guard lock(slot_lock);
  ++last.count;
  last.function = function;
  std::snprintf(last.what, sizeof last.what, "%s", what ? what : "");
  last.allocation = allocation;
}

}  // namespace

void record_caught_exception(const char* function) noexcept {
  try {
    throw;
  } catch (const std::bad_alloc& e) {
    store(function, e.what(), true);
  } catch (const std::exception& e) {
    store(function, e.what(), false);
  } catch (...) {
    store(function, "unknown exception", false);
  }
}

caught_exception last_caught_exception() {
  const std::lock_guard lock(slot_lock);
  return {last.count, last.function, last.what, last.allocation};
}

int write_last_exception(char* buffer, int size) noexcept {
  const std::lock_guard lock(slot_lock);
  if (buffer && size > 0) {
    if (last.count)
      std::snprintf(buffer, static_cast<std::size_t>(size), "%s: %s", last.function, last.what);
    else
      buffer[0] = '\0';
  }
  return static_cast<int>(last.count & 0x7FFFFFFF);
}

}  // namespace kv_registry

int kv_last_exception(char* buffer, int size) { return kv_registry::write_last_exception(buffer, size); }
