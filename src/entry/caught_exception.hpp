#pragma once
// The last exception a registered function stopped at the host boundary, kept
// so that a false caused by a fault can be told from an intended one.
#include <cstdint>
#include <string>

namespace kv_registry {

struct caught_exception {
  std::uint64_t count = 0;  // caught since the library was loaded
  std::string function;     // the name scripts call it by
  std::string what;         // "unknown exception" for one not from std::exception
  bool allocation = false;  // std::bad_alloc: the machine, not the library
};

// Call only inside a catch block: records the exception being handled.
void record_caught_exception(const char* function) noexcept;

caught_exception last_caught_exception();

// "function: what" into the buffer (empty before the first), cut to size;
// returns how many were caught, modulo 2^31.
int write_last_exception(char* buffer, int size) noexcept;

}  // namespace kv_registry
