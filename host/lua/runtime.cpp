#include "lua/runtime.hpp"

#include <cstdio>
#include <cstdlib>

#include "lua/script.hpp"
#include "model/run_stop.hpp"
#include "model/runner.hpp"

namespace kvhost {
namespace {

constexpr const char* queued_key = "kvhost.deferred";
constexpr const char* atexit_key = "kvhost.atexit";
constexpr const char* deferred_key = "kvhost.has_deferred";

int defer_cycles = 1000;
std::string script_path;
lua_State* running = nullptr;

// Pushes the registry list named key, made on first use.
void push_list(lua_State* L, const char* key) {
  if (lua_getfield(L, LUA_REGISTRYINDEX, key) == LUA_TTABLE) return;
  lua_pop(L, 1);
  lua_newtable(L);
  lua_pushvalue(L, -1);
  lua_setfield(L, LUA_REGISTRYINDEX, key);
}

void append_argument(lua_State* L, const char* key) {
  luaL_checktype(L, 1, LUA_TFUNCTION);
  push_list(L, key);
  lua_pushvalue(L, 1);
  lua_rawseti(L, -2, static_cast<lua_Integer>(lua_rawlen(L, -2)) + 1);
}

int defer(lua_State* L) {
  append_argument(L, queued_key);
  lua_pushboolean(L, 1);
  lua_setfield(L, LUA_REGISTRYINDEX, deferred_key);
  return 0;
}

int at_exit(lua_State* L) {
  append_argument(L, atexit_key);
  return 0;
}

// A run from a file: no MIDI or OSC value, not in the action list.
int action_context(lua_State* L) {
  lua_pushboolean(L, 0);
  lua_pushstring(L, script_path.c_str());
  for (int i = 0; i < 5; ++i) lua_pushinteger(L, -1);
  lua_pushliteral(L, "");
  return 8;
}

// os.exit(code): the atexit functions run first, then the run ends as any
// other, with the script's status.
int exit_script(lua_State* L) {
  int status = 0;
  if (lua_isboolean(L, 1))
    status = lua_toboolean(L, 1) ? 0 : 1;
  else
    status = static_cast<int>(luaL_optinteger(L, 1, 0));
  std::string error;
  if (!run_atexit(L, error)) {
    std::fprintf(stderr, "kvhost: %s\n", error.c_str());
    if (status == 0) status = 1;
  }
  end_run(L, status);
}

// Runs the functions of the list at the top of the stack, in order, and pops it.
bool run_list(lua_State* L, std::string& error) {
  const auto count = static_cast<lua_Integer>(lua_rawlen(L, -1));
  for (lua_Integer i = 1; i <= count; ++i) {
    lua_pushcfunction(L, traceback);
    lua_rawgeti(L, -2, i);
    if (lua_pcall(L, 0, 0, -2) != LUA_OK) {
      const char* message = lua_tostring(L, -1);
      error = message ? message : "(error object is not a string)";
      lua_pop(L, 3);
      return false;
    }
    lua_pop(L, 1);
  }
  lua_pop(L, 1);
  return true;
}

std::string script_location() {
  lua_State* L = running;
  lua_Debug ar;
  for (int level = 0; L && lua_getstack(L, level, &ar); ++level) {
    lua_getinfo(L, "Sl", &ar);
    if (ar.currentline <= 0) continue;
    const bool named = ar.source && (ar.source[0] == '@' || ar.source[0] == '=');
    return std::string(named ? ar.source + 1 : ar.short_src) + ":" + std::to_string(ar.currentline);
  }
  return {};
}

}  // namespace

void open_runtime(lua_State* L) {
  static const luaL_Reg functions[] = {{"defer", defer},
                                       {"runloop", defer},
                                       {"atexit", at_exit},
                                       {"get_action_context", action_context},
                                       {nullptr, nullptr}};
  luaL_setfuncs(L, functions, 0);
  lua_getglobal(L, "os");
  lua_pushcfunction(L, exit_script);
  lua_setfield(L, -2, "exit");
  lua_pop(L, 1);
  running = L;
  model::set_script_location(script_location);
}

void set_defer_cycles(int cycles) { defer_cycles = cycles; }

void set_script_path(const std::string& path) { script_path = path; }

bool run_deferred(lua_State* L, std::string& error) {
  for (int cycle = 0; cycle < defer_cycles; ++cycle) {
    push_list(L, queued_key);
    if (lua_rawlen(L, -1) == 0) {
      lua_pop(L, 1);
      return true;
    }
    // What runs now may queue more, for the next cycle.
    lua_newtable(L);
    lua_setfield(L, LUA_REGISTRYINDEX, queued_key);
    model::runner().clock += model::defer_cycle_seconds;
    if (!run_list(L, error)) return false;
  }
  return true;
}

bool run_atexit(lua_State* L, std::string& error) {
  push_list(L, atexit_key);
  // Each runs once, even when os.exit is called from one of them.
  lua_newtable(L);
  lua_setfield(L, LUA_REGISTRYINDEX, atexit_key);
  return run_list(L, error);
}

bool script_deferred(lua_State* L) {
  const bool deferred = lua_getfield(L, LUA_REGISTRYINDEX, deferred_key) == LUA_TBOOLEAN;
  lua_pop(L, 1);
  return deferred;
}

void note_running(lua_State* L) { running = L; }

lua_State* running_state() { return running; }

int traceback(lua_State* L) {
  const char* message = lua_tostring(L, 1);
  luaL_traceback(L, L, message ? message : "(error object is not a string)", 1);
  return 1;
}

}  // namespace kvhost
