#include "lua/script.hpp"

#include <cstdio>
#include <filesystem>

#include "loader/extension.hpp"
#include "lua/array.hpp"
#include "lua/c_module_trace.hpp"
#include "lua/marshal.hpp"

namespace kvhost {
namespace {

int reaper_index(lua_State* L) {
  push_script_function(L, luaL_checkstring(L, 2));
  return 1;
}

void open_reaper_table(lua_State* L) {
  lua_newtable(L);
  open_array(L);
  lua_newtable(L);
  lua_pushcfunction(L, reaper_index);
  lua_setfield(L, -2, "__index");
  lua_setmetatable(L, -2);
  lua_setglobal(L, "reaper");
}

int traceback(lua_State* L) {
  const char* message = lua_tostring(L, 1);
  luaL_traceback(L, L, message ? message : "(error object is not a string)", 1);
  return 1;
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

bool run_chunk(lua_State* L, int load_status, std::string& error) {
  if (load_status == LUA_OK) {
    lua_pushcfunction(L, traceback);
    lua_insert(L, -2);
    int handler = lua_gettop(L) - 1;
    load_status = lua_pcall(L, push_script_arguments(L), 0, handler);
    lua_remove(L, handler);
  }
  if (load_status == LUA_OK) {
    const std::vector<std::string> failed = failed_cases(L);
    if (failed.empty()) return true;
    error = std::to_string(failed.size()) + " case(s) failed:";
    for (const std::string& name : failed) error += "\n  " + name;
    return false;
  }
  const char* message = lua_tostring(L, -1);
  error = message ? message : "unknown error";
  lua_pop(L, 1);
  return false;
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
  return run_chunk(L, luaL_loadfile(L, path.c_str()), error);
}

bool run_lua_text(lua_State* L, const std::string& text, std::string& error) {
  return run_chunk(L, luaL_loadbuffer(L, text.data(), text.size(), "=script"), error);
}

}  // namespace kvhost
