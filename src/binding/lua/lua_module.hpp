#pragma once
// The library as a Lua 5.3 C module: require("reaper_KELVARO_COBALT") gives
// the table of list functions, also stored as the global KV_COBALT.
#include "binding/list_functions.hpp"
#include "binding/lua/lua_api.hpp"
#include "entry/plugin.hpp"

namespace KV_COBALT {
#define KV_LUA_LIST_FUNCTION(name, params, args, description) int l_##name(lua_State* L) noexcept;
KV_LIST_FUNCTIONS(KV_LUA_LIST_FUNCTION)
#undef KV_LUA_LIST_FUNCTION
}  // namespace KV_COBALT

// Leaves nothing and returns 0 when the Lua that calls it does not share its
// C API (REAPER's own does not); then the host's console says what to use.
KV_EXPORT int luaopen_reaper_KELVARO_COBALT(lua_State* L);
