#pragma once
// The Lua C functions the library calls, found in the running process when a
// Lua interpreter opens the module. The extension links no Lua of its own: in
// the host it needs none, and inside an interpreter it must use that
// interpreter's Lua, never a second copy.
#include <lua.hpp>

// Every Lua function the library uses, by its C name.
// clang-format off
#define KV_LUA_FUNCTIONS(X)                                                                            \
  X(lua_createtable) X(lua_checkstack) X(luaL_setfuncs) X(lua_setglobal) X(lua_pushboolean)            \
  X(lua_pushinteger) X(lua_pushnumber) X(lua_pushstring) X(lua_pushlightuserdata) X(lua_pushnil)       \
  X(lua_pushvalue) X(lua_settable) X(lua_settop) X(lua_gettop) X(lua_topointer) X(lua_touserdata)      \
  X(lua_tointegerx) X(lua_tonumberx) X(lua_tolstring) X(lua_next) X(lua_type) X(lua_pcallk)            \
  X(lua_pushcclosure) X(lua_error)
// clang-format on

namespace lua_api {

struct functions {
#define KV_LUA_SLOT(name) decltype(&::name) name = nullptr;
  KV_LUA_FUNCTIONS(KV_LUA_SLOT)
#undef KV_LUA_SLOT
};

// The resolved functions; all null until resolve() succeeded.
extern functions lua;

// Looks the functions up among the symbols the process exports, and takes
// them only when every one lies in the loaded object that holds caller: an
// address in the code of the Lua that calls the library. Never loads a Lua,
// and never takes one from elsewhere. Once taken, only callers in that same
// object are served. True when `lua` holds them all for this caller.
bool resolve(const void* caller);

}  // namespace lua_api
