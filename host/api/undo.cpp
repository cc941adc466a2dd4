// Undo points and blocks; actions 40029 (undo) and 40030 (redo) come here too.
#include <exception>

#include "api/action_table.hpp"
#include "api/host_api.hpp"
#include "model/run_stop.hpp"
#include "model/state.hpp"
#include "model/text.hpp"
#include "project_file/undo.hpp"

namespace kvhost::api {
using namespace kvhost::model;
namespace {

// Reading a state back cannot fail for text the host wrote; should it ever,
// the run stops rather than go on with half a project.
template <class Step>
auto guarded(Step step) {
  try {
    return step();
  } catch (const std::exception& failure) {
    stop_run(run_failed, std::string("kvhost: undo state could not be read back: ") + failure.what());
  }
}

}  // namespace

void Undo_BeginBlock2(ReaProject* proj) {
  if (auto* owner = find_project(proj)) guarded([&] { project_file::begin_undo_block(*owner); });
}

void Undo_BeginBlock() { Undo_BeginBlock2(nullptr); }

void Undo_EndBlock2(ReaProject* proj, const char* descchange, int) {
  if (auto* owner = find_project(proj))
    guarded([&] { project_file::end_undo_block(*owner, std::string(text_or_empty(descchange))); });
}

void Undo_EndBlock(const char* descchange, int extraflags) { Undo_EndBlock2(nullptr, descchange, extraflags); }

void Undo_OnStateChange2(ReaProject* proj, const char* descchange) {
  if (auto* owner = find_project(proj))
    guarded([&] { project_file::add_undo_point(*owner, std::string(text_or_empty(descchange))); });
}

void Undo_OnStateChange(const char* descchange) { Undo_OnStateChange2(nullptr, descchange); }

int Undo_DoUndo2(ReaProject* proj) {
  auto* owner = find_project(proj);
  return owner && guarded([&] { return project_file::undo(*owner); }) ? 1 : 0;
}

const char* Undo_CanUndo2(ReaProject* proj) {
  auto* owner = find_project(proj);
  return owner ? project_file::undo_name(*owner) : nullptr;
}

void actions::undo(project& owner) {
  guarded([&] { return project_file::undo(owner); });
}

void actions::redo(project& owner) {
  guarded([&] { return project_file::redo(owner); });
}

}  // namespace kvhost::api
