#include "allocation_counter.hpp"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<std::size_t> in_use{0}, peak{0}, start{0};
std::atomic<long> made{0};

void* allocate(std::size_t size) {
  void* p = std::malloc(size ? size : 1);
  if (!p) throw std::bad_alloc();
  made.fetch_add(1, std::memory_order_relaxed);
  const std::size_t now = in_use += malloc_usable_size(p);
  std::size_t high = peak.load(std::memory_order_relaxed);
  while (now > high && !peak.compare_exchange_weak(high, now)) {
  }
  return p;
}

void release(void* p) noexcept {
  if (!p) return;
  in_use -= malloc_usable_size(p);
  std::free(p);
}
}  // namespace

namespace allocation_counter {
void reset_peak() {
  start = in_use.load();
  peak = start.load();
}
std::size_t peak_above_start() { return peak - start; }
long allocations() { return made.load(); }
}  // namespace allocation_counter

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }
