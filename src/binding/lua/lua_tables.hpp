#pragma once
// Lists as Lua sequences, indexed from 1.
#include <vector>

#include "binding/lua/lua_api.hpp"

namespace lua_utility {

// Texts; each ends at its first NUL byte.
template <class T>
void pushvalue(lua_State* L, const std::vector<T>& values) {
  const auto& lua = lua_api::lua;
  lua.lua_createtable(L, 0, 0);
  lua_Integer position = 0;
  for (const T& value : values) {
    lua.lua_pushinteger(L, ++position);
    lua.lua_pushstring(L, value.c_str());
    lua.lua_settable(L, -3);
  }
}

// Host handles as light userdata; a null handle leaves a hole at its position.
template <class Handle>
void push_handles(lua_State* L, const std::vector<Handle*>& handles) {
  const auto& lua = lua_api::lua;
  lua.lua_createtable(L, 0, 0);
  lua_Integer position = 0;
  for (Handle* handle : handles) {
    lua.lua_pushinteger(L, ++position);
    if (handle)
      lua.lua_pushlightuserdata(L, handle);
    else
      lua.lua_pushnil(L);
    lua.lua_settable(L, -3);
  }
}

// Each record read in place, as the table of its present fields.
template <class Records>
void push_records(lua_State* L, const Records& records) {
  const auto& lua = lua_api::lua;
  lua.lua_createtable(L, 0, 0);
  lua_Integer position = 0;
  for (auto&& record : records) {
    lua.lua_pushinteger(L, ++position);
    record.pushvalue(L);
    lua.lua_settable(L, -3);
  }
}

}  // namespace lua_utility
