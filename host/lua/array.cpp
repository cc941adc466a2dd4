#include "lua/array.hpp"

#include <algorithm>
#include <cstddef>
#include <new>

#include "model/script_buffers.hpp"

namespace kvhost {
namespace {

constexpr const char* array_type = "reaper.array";
constexpr lua_Integer max_capacity = lua_Integer{1} << 26;

struct script_array {
  double* data;
  lua_Integer size;
  lua_Integer capacity;
};

script_array& check_array(lua_State* L, int index) {
  return *static_cast<script_array*>(luaL_checkudata(L, index, array_type));
}

// 1-based offset and count within the array, from optional arguments.
void range_arguments(lua_State* L, const script_array& a, int index, lua_Integer& offset, lua_Integer& count) {
  offset = luaL_optinteger(L, index, 1);
  count = luaL_optinteger(L, index + 1, a.size - offset + 1);
  // Compared without adding, so no offset or count can overflow past the check.
  luaL_argcheck(L, offset >= 1 && offset - 1 <= a.size && count >= 0 && count <= a.size - (offset - 1), index,
                "range outside the array");
}

int new_array(lua_State* L) {
  lua_Integer size = 0;
  const int source_type = lua_type(L, 1);
  if (source_type == LUA_TNUMBER)
    size = luaL_checkinteger(L, 1);
  else if (source_type == LUA_TTABLE)
    size = luaL_optinteger(L, 2, static_cast<lua_Integer>(lua_rawlen(L, 1)));
  else if (source_type == LUA_TUSERDATA)
    size = luaL_optinteger(L, 2, check_array(L, 1).size);
  else
    luaL_argerror(L, 1, "size, table or array expected");
  luaL_argcheck(L, size >= 0 && size <= max_capacity, source_type == LUA_TNUMBER ? 1 : 2, "size out of range");
  auto* made = static_cast<script_array*>(lua_newuserdata(L, sizeof(script_array)));
  made->data = new (std::nothrow) double[static_cast<std::size_t>(std::max<lua_Integer>(size, 1))]();
  made->size = made->capacity = made->data ? size : 0;
  if (!made->data) return luaL_error(L, "new_array: out of memory");
  model::remember_script_buffer(made->data, static_cast<std::size_t>(size));
  luaL_setmetatable(L, array_type);
  if (source_type == LUA_TTABLE) {
    for (lua_Integer i = 1; i <= size; ++i) {
      lua_rawgeti(L, 1, i);
      made->data[i - 1] = lua_tonumber(L, -1);
      lua_pop(L, 1);
    }
  } else if (source_type == LUA_TUSERDATA) {
    const script_array& from = check_array(L, 1);
    std::copy_n(from.data, std::min(from.size, size), made->data);
  }
  return 1;
}

int collect(lua_State* L) {
  script_array& a = check_array(L, 1);
  model::forget_script_buffer(a.data);
  delete[] a.data;
  a.data = nullptr;
  a.size = a.capacity = 0;
  return 0;
}

int to_table(lua_State* L) {
  const script_array& a = check_array(L, 1);
  lua_Integer offset = 0, count = 0;
  range_arguments(L, a, 2, offset, count);
  lua_createtable(L, static_cast<int>(count), 0);
  for (lua_Integer i = 0; i < count; ++i) {
    lua_pushnumber(L, a.data[offset - 1 + i]);
    lua_rawseti(L, -2, i + 1);
  }
  return 1;
}

int clear(lua_State* L) {
  const script_array& a = check_array(L, 1);
  const double value = luaL_optnumber(L, 2, 0);
  lua_Integer offset = 0, count = 0;
  range_arguments(L, a, 3, offset, count);
  std::fill_n(a.data + offset - 1, count, value);
  return 0;
}

int resize(lua_State* L) {
  script_array& a = check_array(L, 1);
  const lua_Integer size = luaL_checkinteger(L, 2);
  luaL_argcheck(L, size >= 0 && size <= a.capacity, 2, "size beyond the allocation");
  a.size = size;
  return 0;
}

int allocation(lua_State* L) {
  lua_pushinteger(L, check_array(L, 1).capacity);
  return 1;
}

int length(lua_State* L) {
  lua_pushinteger(L, check_array(L, 1).size);
  return 1;
}

const luaL_Reg methods[] = {
    {"table", to_table}, {"clear", clear}, {"resize", resize}, {"get_alloc", allocation}, {nullptr, nullptr}};

// A method bound to its array: REAPER scripts write both buf.table() and buf:table().
int bound_method(lua_State* L) {
  if (lua_gettop(L) < 1 || !lua_rawequal(L, 1, lua_upvalueindex(1))) {
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
  }
  lua_pushvalue(L, lua_upvalueindex(2));
  lua_insert(L, 1);
  lua_call(L, lua_gettop(L) - 1, LUA_MULTRET);
  return lua_gettop(L);
}

int index(lua_State* L) {
  const script_array& a = check_array(L, 1);
  if (lua_type(L, 2) == LUA_TSTRING) {
    lua_getfield(L, lua_upvalueindex(1), lua_tostring(L, 2));
    if (lua_isnil(L, -1)) return 1;
    lua_pushvalue(L, 1);
    lua_insert(L, -2);
    lua_pushcclosure(L, bound_method, 2);
    return 1;
  }
  const lua_Integer i = luaL_checkinteger(L, 2);
  if (i < 1 || i > a.size) return 0;
  lua_pushnumber(L, a.data[i - 1]);
  return 1;
}

int new_index(lua_State* L) {
  const script_array& a = check_array(L, 1);
  const lua_Integer i = luaL_checkinteger(L, 2);
  luaL_argcheck(L, i >= 1 && i <= a.size, 2, "index outside the array");
  a.data[i - 1] = luaL_checknumber(L, 3);
  return 0;
}

}  // namespace

void open_array(lua_State* L) {
  if (luaL_newmetatable(L, array_type)) {
    luaL_newlib(L, methods);
    lua_pushcclosure(L, index, 1);
    lua_setfield(L, -2, "__index");
    lua_pushcfunction(L, new_index);
    lua_setfield(L, -2, "__newindex");
    lua_pushcfunction(L, length);
    lua_setfield(L, -2, "__len");
    lua_pushcfunction(L, collect);
    lua_setfield(L, -2, "__gc");
  }
  lua_pop(L, 1);
  lua_pushcfunction(L, new_array);
  lua_setfield(L, -2, "new_array");
}

double* script_array_data(lua_State* L, int index) {
  auto* a = static_cast<script_array*>(luaL_testudata(L, index, array_type));
  return a ? a->data : nullptr;
}

}  // namespace kvhost
