#pragma once
// What every harness shares: a caller's buffer of exactly the size it claims
// (none at all for 0 or less), on the heap, so the address sanitizer stops at
// any byte written past it.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>

// A broken promise stops the run with the input that broke it.
inline void check(bool condition) {
  if (!condition) __builtin_trap();
}

struct output_buffer {
  explicit output_buffer(FuzzedDataProvider& input)
      : size(input.ConsumeIntegralInRange<int>(-2, 300)),
        bytes(input.ConsumeIntegralInRange<int>(0, 15) == 0
                  ? nullptr
                  : std::make_unique<char[]>(static_cast<std::size_t>(std::max(size, 0)))) {}

  char* data() { return bytes.get(); }
  bool written() const { return bytes && size > 0; }
  // The text a successful write left: NUL-terminated within the buffer.
  std::string text() const {
    const void* end = std::memchr(bytes.get(), '\0', static_cast<std::size_t>(size));
    check(end != nullptr);
    return std::string(static_cast<const char*>(bytes.get()), static_cast<const char*>(end));
  }

  int size;
  std::unique_ptr<char[]> bytes;
};
