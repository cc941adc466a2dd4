#pragma once
// Lists as Lua sequences, indexed from 1. Any Lua call may raise (out of
// memory) by a long jump: while one runs, no object here may need its
// destructor, so lists are walked by reference or by row.
#include <vector>

#include "binding/lua/lua_api.hpp"
#include "object/kv_peak.hpp"
#include "object/record_lua.hpp"

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
template <class Record>
void push_records(lua_State* L, const std::vector<Record>& records) {
  const auto& lua = lua_api::lua;
  lua.lua_createtable(L, 0, 0);
  lua_Integer position = 0;
  for (const Record& record : records) {
    lua.lua_pushinteger(L, ++position);
    record.pushvalue(L);
    lua.lua_settable(L, -3);
  }
}

// Peaks read row by row from their table, never as records of their own.
inline void push_records(lua_State* L, const kv_object::peak_list& peaks) {
  const auto& lua = lua_api::lua;
  const kv_object::peak_table& table = peaks.table();
  lua.lua_createtable(L, 0, 0);
  for (std::size_t row = 0; row < table.size(); ++row) {
    lua.lua_pushinteger(L, static_cast<lua_Integer>(row + 1));
    lua.lua_createtable(L, 0, 0);
    kv_object::record_lua::table_sink sink(L);
    table.each_field(row, sink);
    lua.lua_settable(L, -3);
  }
}

}  // namespace lua_utility
