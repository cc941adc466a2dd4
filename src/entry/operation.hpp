#pragma once
// How an operation is declared and how it is guarded at the host boundary.
#include <type_traits>

#define KV_DECLARE_OPERATION(ret, name, params, help) ret name params;

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

// What the host calls: the operation with null texts made empty and every
// exception stopped here, since nothing may unwind into the host.
template <auto F>
struct guarded;
template <class R, class... A, R (*F)(A...)>
struct guarded<F> {
  static R call(A... args) noexcept {
    try {
      return F(readable(args)...);
    } catch (...) {
      return R{};
    }
  }
};

}  // namespace kv_registry
