#pragma once
// The simulated host's own implementation of every host function the
// extension imports, declared from the shared list so signatures cannot drift.
#include "host_functions.hpp"

namespace kvhost::api {
#define KVHOST_DECLARE(name, ret, params) ret name params;
KV_HOST_FUNCTIONS(KVHOST_DECLARE)
#undef KVHOST_DECLARE
}  // namespace kvhost::api
