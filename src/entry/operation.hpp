#pragma once
// How an operation is declared and how it is guarded at the host boundary.
#include <type_traits>

#include "entry/caught_exception.hpp"
#include "entry/definition.hpp"

// X(return type, name, parameters, help text, what it does and returns on
// failure): the last field feeds only the generated documentation.
#define KV_DECLARE_OPERATION(ret, name, params, help, ...) ret name params;

// The name scripts call an operation by, checked against its declaration.
#define KV_REGISTERED_NAME(name) (static_cast<void>(&name), "KV_" #name)

namespace kv_registry {

template <class T>
T readable(T value) {
  // Scripts and the host may pass null for a text: it reads as an empty text.
  if constexpr (std::is_same_v<T, const char*>) {
    return value ? value : "";
  } else {
    return value;
  }
}

// What the host calls under Name: the operation with null texts made empty
// and every exception stopped here, since nothing may unwind into the host,
// and recorded, since its failure result alone does not tell it from a refusal.
template <auto F, fixed_string Name>
struct guarded;
template <class R, class... A, R (*F)(A...), fixed_string Name>
struct guarded<F, Name> {
  static R call(A... args) noexcept {
    try {
      return F(readable(args)...);
    } catch (...) {
      record_caught_exception(Name.chars);
      return R{};
    }
  }
};

}  // namespace kv_registry
