// Actions and screen refresh, recorded for tests to inspect.
#include "api/host_api.hpp"
#include "model/state.hpp"

namespace kvhost::api {
using namespace kvhost::model;

void Main_OnCommandEx(int command, int flag, ReaProject* proj) {
  if (auto* owner = find_project(proj)) state().commands.push_back({command, flag, handle(owner)});
}

void UpdateArrange() { ++state().update_arrange_count; }

}  // namespace kvhost::api
