#include "lua/c_module_trace.hpp"

#include "loader/extension.hpp"

namespace kvhost {
namespace {

// Calls the function in upvalue 1 with the arguments; leaves its results.
int call_wrapped(lua_State* L) {
  lua_pushvalue(L, lua_upvalueindex(1));
  lua_insert(L, 1);
  lua_call(L, lua_gettop(L) - 1, LUA_MULTRET);
  return lua_gettop(L);
}

int traced_call(lua_State* L) {
  const int results = call_wrapped(L);
  report_stopped_exception();
  return results;
}

// A module's table: each C function in it reports, in place.
void trace_table(lua_State* L, int table) {
  lua_pushnil(L);
  while (lua_next(L, table)) {
    if (lua_iscfunction(L, -1)) {
      lua_pushcclosure(L, traced_call, 1);
      lua_pushvalue(L, -2);
      lua_insert(L, -2);
      lua_rawset(L, table);  // an existing key: the walk goes on
    } else {
      lua_pop(L, 1);
    }
  }
}

// An opener: the tables it returns are modules.
int traced_opener(lua_State* L) {
  const int results = traced_call(L);
  luaL_checkstack(L, 3, "tracing a module");
  for (int i = 1; i <= results; ++i)
    if (lua_istable(L, i)) trace_table(L, i);
  return results;
}

// package.loadlib or a C searcher: a C function it finds is an opener.
int traced_loader(lua_State* L) {
  const int results = call_wrapped(L);
  if (results > 0 && lua_iscfunction(L, 1)) {
    lua_pushvalue(L, 1);
    lua_pushcclosure(L, traced_opener, 1);
    lua_replace(L, 1);
  }
  return results;
}

// The C function on top wraps to report what it loads; anything else stays.
void wrap_loader(lua_State* L) {
  if (lua_iscfunction(L, -1)) lua_pushcclosure(L, traced_loader, 1);
}

}  // namespace

void trace_c_modules(lua_State* L) {
  if (lua_getglobal(L, "package") != LUA_TTABLE) {
    lua_pop(L, 1);
    return;
  }
  const int package = lua_gettop(L);
  lua_getfield(L, package, "loadlib");
  wrap_loader(L);
  lua_setfield(L, package, "loadlib");
  if (lua_getfield(L, package, "searchers") == LUA_TTABLE) {
    const int searchers = lua_gettop(L);
    for (lua_Integer c_searcher : {3, 4}) {
      lua_rawgeti(L, searchers, c_searcher);
      wrap_loader(L);
      lua_rawseti(L, searchers, c_searcher);
    }
  }
  lua_pop(L, 2);
}

}  // namespace kvhost
