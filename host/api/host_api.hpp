#pragma once
// The simulated host's own implementation of every host function the
// extension imports, declared from the shared list so signatures cannot drift;
// the functions scripts use to build media; and the SWS extension's functions,
// which the host offers as if SWS were installed.
#include "api/media_functions.hpp"
#include "api/project_state_functions.hpp"
#include "api/reaper_functions.hpp"
#include "api/runner_functions.hpp"
#include "host_functions.hpp"
#include "sws_functions.hpp"

namespace kvhost::api {
#define KVHOST_DECLARE(name, ret, params) ret name params;
KV_HOST_FUNCTIONS(KVHOST_DECLARE)
KVHOST_MEDIA_FUNCTIONS(KVHOST_DECLARE)
KVHOST_RUNNER_FUNCTIONS(KVHOST_DECLARE)
KVHOST_PROJECT_STATE_FUNCTIONS(KVHOST_DECLARE)
KVHOST_REAPER_FUNCTIONS(KVHOST_DECLARE)
KV_SWS_FUNCTIONS(KVHOST_DECLARE)
#undef KVHOST_DECLARE
}  // namespace kvhost::api
