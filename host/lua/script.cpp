#include "lua/script.hpp"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "loader/extension.hpp"
#include "loader/functions.hpp"
#include "lua/array.hpp"
#include "lua/c_module_trace.hpp"
#include "lua/marshal.hpp"
#include "lua/runtime.hpp"
#include "model/run_stop.hpp"
#include "simulation.hpp"

namespace kvhost {
namespace {

struct case_reports {
  std::string junit_path;
  bool tap = false;
  std::string suite = "script";
};

case_reports& reports() {
  static case_reports wanted;
  return wanted;
}

// A REAPER function the host does not simulate exists, and stops the run
// when called.
int not_implemented(lua_State* L) {
  note_running(L);
  model::stop_run(model::run_not_implemented,
                  std::string("kvhost does not implement reaper.") + lua_tostring(L, lua_upvalueindex(1)));
}

int reaper_index(lua_State* L) {
  const std::string name = luaL_checkstring(L, 2);
  push_script_function(L, name);
  if (lua_isnil(L, -1) && exists_in_reaper(name)) {
    lua_pop(L, 1);
    lua_pushvalue(L, 2);
    lua_pushcclosure(L, not_implemented, 1);
  }
  return 1;
}

void open_reaper_table(lua_State* L) {
  lua_newtable(L);
  open_array(L);
  open_runtime(L);
  lua_newtable(L);
  lua_pushcfunction(L, reaper_index);
  lua_setfield(L, -2, "__index");
  lua_setmetatable(L, -2);
  lua_setglobal(L, "reaper");
}

// The script's arguments (arg[1], arg[2], ...) pushed as the chunk's `...`,
// as the standalone Lua interpreter passes them.
int push_script_arguments(lua_State* L) {
  if (lua_getglobal(L, "arg") != LUA_TTABLE) {
    lua_pop(L, 1);
    return 0;
  }
  const int count = static_cast<int>(lua_rawlen(L, -1));
  luaL_checkstack(L, count, "too many script arguments");
  for (int i = 1; i <= count; ++i) lua_rawgeti(L, -1 - (i - 1), i);
  lua_remove(L, -1 - count);
  return count;
}

bool run_main_chunk(lua_State* L, int load_status, std::string& error) {
  if (load_status == LUA_OK) {
    lua_pushcfunction(L, traceback);
    lua_insert(L, -2);
    int handler = lua_gettop(L) - 1;
    load_status = lua_pcall(L, push_script_arguments(L), 0, handler);
    lua_remove(L, handler);
  }
  if (load_status == LUA_OK) return true;
  const char* message = lua_tostring(L, -1);
  error = message ? message : "unknown error";
  lua_pop(L, 1);
  return false;
}

void write_reports(const std::vector<case_result>& cases, const std::string& script_error) {
  const case_reports& wanted = reports();
  if (wanted.junit_path.empty() && !wanted.tap) return;
  if (!wanted.junit_path.empty()) {
    std::ofstream file(wanted.junit_path, std::ios::binary | std::ios::trunc);
    file << junit_report(wanted.suite, cases, script_error);
    if (!file) std::fprintf(stderr, "kvhost: cannot write %s\n", wanted.junit_path.c_str());
  }
  if (wanted.tap) {
    std::fflush(stdout);
    std::fputs(tap_report(wanted.suite, cases, script_error).c_str(), stdout);
  }
}

// A run stopped by the host still leaves its reports, naming why: as the
// failure of the case it stopped in, if any.
void report_stop(const std::string& message) {
  lua_State* L = running_state();
  if (!L) return;
  auto cases = case_results(L);
  const std::string stopped_case = running_case(L);
  if (stopped_case.empty()) return write_reports(cases, message);
  cases.push_back({stopped_case, false, message});
  write_reports(cases, "");
}

// The end of every run: failed cases fail it, the reports are written.
bool conclude(lua_State* L, bool ok, std::string& error) {
  script_finished(script_deferred(L));
  write_reports(case_results(L), ok ? "" : error);
  if (!ok) return false;
  std::vector<std::string> failed;
  for (const auto& c : case_results(L))
    if (!c.passed) failed.push_back(c.name);
  if (failed.empty()) return true;
  error = std::to_string(failed.size()) + " case(s) failed:";
  for (const std::string& name : failed) error += "\n  " + name;
  return false;
}

// The main chunk, then its deferred functions; the atexit functions run
// after both, also after an error.
bool run_chunk(lua_State* L, int load_status, std::string& error) {
  bool ok = run_main_chunk(L, load_status, error) && run_deferred(L, error);
  std::string exit_error;
  if (!run_atexit(L, exit_error)) {
    error += (ok ? "" : "\n") + exit_error;
    ok = false;
  }
  return conclude(L, ok, error);
}

}  // namespace

lua_State* new_script_state(const std::vector<std::string>& args) {
  lua_State* L = luaL_newstate();
  luaL_openlibs(L);
  open_reaper_table(L);
  open_controls(L);
  lua_createtable(L, static_cast<int>(args.size()), 0);
  for (std::size_t i = 0; i < args.size(); ++i) {
    lua_pushstring(L, args[i].c_str());
    lua_rawseti(L, -2, static_cast<lua_Integer>(i));
  }
  lua_setglobal(L, "arg");
  if (tracing_stopped_exceptions()) trace_c_modules(L);
  return L;
}

bool run_lua_file(lua_State* L, const std::string& path, std::string& error) {
  // REAPER runs script text only, never precompiled chunks.
  return run_chunk(L, luaL_loadfilex(L, path.c_str(), "t"), error);
}

bool run_lua_text(lua_State* L, const std::string& text, std::string& error) {
  return run_chunk(L, luaL_loadbuffer(L, text.data(), text.size(), "=script"), error);
}

void end_run(lua_State* L, int status) {
  std::string error;
  if (!conclude(L, true, error) && status == 0) {
    std::fprintf(stderr, "kvhost: %s\n", error.c_str());
    status = 1;
  }
  status = finish_run(status);
  std::fflush(stdout);
  std::exit(status);
}

void report_cases(const std::string& junit_path, bool tap, const std::string& suite) {
  reports() = {junit_path, tap, suite};
  model::set_stop_report(report_stop);
}

}  // namespace kvhost
