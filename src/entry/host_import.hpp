#pragma once
// One slot per imported host function, filled by name at load.
#include <stdexcept>

#include "host_functions.hpp"

namespace KV_COBALT::host {

// Raised when an operation calls a host function the host did not provide;
// the registered-function guard turns it into a false or null result.
struct missing_function : std::runtime_error {
  explicit missing_function(const char* name) : std::runtime_error(name) {}
};

class slot {
 public:
  constexpr explicit slot(const char* name) : name_(name) {}
  const char* name() const { return name_; }
  void resolve(void* address) { address_ = address; }
  explicit operator bool() const { return address_ != nullptr; }

 protected:
  const char* name_;
  void* address_ = nullptr;
};

template <class Signature>
class function;
template <class R, class... A>
class function<R(A...)> : public slot {
 public:
  using slot::slot;
  R operator()(A... args) const {
    if (!address_) throw missing_function(name_);
    return reinterpret_cast<R (*)(A...)>(address_)(args...);
  }
};

#define KV_HOST_SLOT(name, ret, params) extern function<host_signature::name> name;
KV_HOST_FUNCTIONS(KV_HOST_SLOT)
#undef KV_HOST_SLOT

// Every slot in the order they are resolved at load.
struct import_table {
  slot* const* slots;
  int count;
};
extern const import_table host_import_table;

}  // namespace KV_COBALT::host
