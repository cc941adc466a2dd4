#include "c_api.hpp"

#include <exception>
#include <string>

#include "loader/extension.hpp"
#include "loader/functions.hpp"
#include "lua/script.hpp"
#include "model/run_stop.hpp"
#include "model/runner.hpp"
#include "model/text.hpp"
#include "project_file/current_project.hpp"
#include "simulation.hpp"

#define KVHOST_EXPORT __attribute__((visibility("default")))

KVHOST_EXPORT int kvhost_load_extension(const char* path) {
  try {
    return kvhost::load_extension(path ? path : kvhost::default_extension_path()).load_result();
  } catch (const std::exception&) {
    return -1;
  }
}

KVHOST_EXPORT int kvhost_unload_extension(void) { return kvhost::unload_extension(); }

KVHOST_EXPORT void* kvhost_get_func(const char* name) { return kvhost::get_func(name); }
KVHOST_EXPORT void kvhost_hide_function(const char* name) {
  if (name) kvhost::hide_function(name);
}
KVHOST_EXPORT void kvhost_hide_sws(void) { kvhost::hide_sws_functions(); }
KVHOST_EXPORT void kvhost_show_all_functions(void) { kvhost::show_all_functions(); }

KVHOST_EXPORT int kvhost_run_lua(const char* code, char* error, int error_size) {
  lua_State* L = kvhost::new_script_state();
  std::string failure;
  bool ok = kvhost::run_lua_text(L, code ? code : "", failure);
  lua_close(L);
  kvhost::model::copy_text(failure, error, error_size);
  return ok ? 1 : 0;
}

KVHOST_EXPORT void kvhost_reset(void) { kvhost::reset(); }
KVHOST_EXPORT void kvhost_set_resource_path(const char* path) { kvhost::set_resource_path(path ? path : ""); }
KVHOST_EXPORT void* kvhost_current_project(void) { return kvhost::current_project(); }
KVHOST_EXPORT void* kvhost_create_project(void) { return kvhost::create_project(); }
KVHOST_EXPORT int kvhost_set_current_project(void* project) {
  return kvhost::set_current_project(static_cast<ReaProject*>(project)) ? 1 : 0;
}
KVHOST_EXPORT void kvhost_queue_message_box_answer(int answer) { kvhost::queue_message_box_answer(answer); }
KVHOST_EXPORT void kvhost_queue_user_inputs_answer(int ok, const char* csv) {
  kvhost::queue_user_inputs_answer(ok != 0, csv ? csv : "");
}
KVHOST_EXPORT int kvhost_dialog_count(void) { return static_cast<int>(kvhost::dialogs().size()); }
KVHOST_EXPORT int kvhost_command_count(void) { return static_cast<int>(kvhost::commands().size()); }

namespace {

void (*python_location)(char*, int) = nullptr;

std::string script_location() {
  char where[1024] = "";
  if (python_location) python_location(where, sizeof where);
  return std::string(kvhost::model::read_text(where, sizeof where));
}

int report(const std::string& failure, char* error, int error_size) {
  kvhost::model::copy_text(failure, error, error_size);
  return failure.empty() ? 1 : 0;
}

}  // namespace

KVHOST_EXPORT int kvhost_prepare_run(const char* os, const char* reaper_version, const char* answers, char* error,
                                     int error_size) {
  std::string failure;
  if (kvhost::model::prepare_script_run(os ? os : "", reaper_version ? reaper_version : "", answers ? answers : "",
                                        failure))
    return 1;
  kvhost::model::copy_text(failure, error, error_size);
  return 0;
}

KVHOST_EXPORT void kvhost_begin_defer_cycle(void) {
  kvhost::model::runner().clock += kvhost::model::defer_cycle_seconds;
}

KVHOST_EXPORT void kvhost_script_finished(int deferred) { kvhost::script_finished(deferred != 0); }

KVHOST_EXPORT void kvhost_set_script_location(void (*where)(char* buffer, int size)) {
  python_location = where;
  kvhost::model::set_script_location(where ? script_location : nullptr);
}

KVHOST_EXPORT int kvhost_load_project(const char* path, char* error, int error_size) {
  return report(path ? kvhost::load_current_project(path) : "no project file given", error, error_size);
}
KVHOST_EXPORT int kvhost_save_project(const char* path, char* error, int error_size) {
  return report(path ? kvhost::save_current_project(path) : "no project file given", error, error_size);
}
KVHOST_EXPORT void kvhost_add_script_undo_point(const char* script_path) {
  kvhost::add_script_undo_point(script_path ? script_path : "");
}
