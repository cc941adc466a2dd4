#pragma once
// A record's fields to and from Lua tables, written once over the fields.
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "binding/lua/lua_api.hpp"
#include "object/record_fields.hpp"

namespace kv_object::record_lua {

// A record's present fields into the table at the top of the stack.
class table_sink final : public field_sink {
 public:
  explicit table_sink(lua_State* L) : L_(L) {}
  void text(const char* key, const std::string& value) override {
    lua_api::lua.lua_pushstring(L_, key);
    lua_api::lua.lua_pushstring(L_, value.c_str());
    lua_api::lua.lua_settable(L_, -3);
  }
  void number(const char* key, double value) override {
    lua_api::lua.lua_pushstring(L_, key);
    lua_api::lua.lua_pushnumber(L_, value);
    lua_api::lua.lua_settable(L_, -3);
  }
  void integer(const char* key, int value) override {
    lua_api::lua.lua_pushstring(L_, key);
    lua_api::lua.lua_pushinteger(L_, value);
    lua_api::lua.lua_settable(L_, -3);
  }
  void handle(const char* key, void* value) override {
    if (!value) return;  // a nil value makes no entry
    lua_api::lua.lua_pushstring(L_, key);
    lua_api::lua.lua_pushlightuserdata(L_, value);
    lua_api::lua.lua_settable(L_, -3);
  }

 private:
  lua_State* L_;
};

// A new table with the record's present fields.
inline void push_record(const kv_List& record, lua_State* L) {
  lua_api::lua.lua_createtable(L, 0, 0);
  table_sink sink(L);
  record.each_field(sink);
}

// The value at the top of the stack into the holder, with Lua's own
// conversions: what does not convert to a number reads 0; a value that is no
// text leaves a text field as it was.
template <class T>
void read_field_value(lua_State* L, kv_LitsItem_inner<T>& holder) {
  const auto& lua = lua_api::lua;
  if constexpr (std::is_same_v<T, std::string>) {
    const int type = lua.lua_type(L, -1);
    if (type != LUA_TSTRING && type != LUA_TNUMBER) return;
    std::size_t length = 0;
    const char* text = lua.lua_tolstring(L, -1, &length);
    if (text) holder.value.assign(text, length);
  } else if constexpr (std::is_same_v<T, double>) {
    holder.value = lua.lua_tonumberx(L, -1, nullptr);
  } else if constexpr (std::is_same_v<T, int>) {
    holder.value = static_cast<int>(lua.lua_tointegerx(L, -1, nullptr));
  }
}

// Walks the table at index, calling read(key) with each entry's value on top
// of the stack; stops at the first key that is not a string.
template <class Read>
void walk_string_keys(lua_State* L, int index, Read&& read) {
  const auto& lua = lua_api::lua;
  if (index < 0 && index > LUA_REGISTRYINDEX) index = lua.lua_gettop(L) + index + 1;
  if (lua.lua_type(L, index) != LUA_TTABLE || !lua.lua_checkstack(L, 2)) return;
  lua.lua_pushnil(L);
  while (lua.lua_next(L, index) != 0) {
    if (lua.lua_type(L, -2) != LUA_TSTRING) {
      lua.lua_settop(L, -3);  // key and value
      return;
    }
    std::size_t length = 0;
    const char* text = lua.lua_tolstring(L, -2, &length);
    read(std::string_view(text, length));
    lua.lua_settop(L, -2);  // the value; the key stays for lua_next
  }
}

// The fields Lua may write, read back from the table at index.
template <class Fields>
void read(const Fields& fields, lua_State* L, int index) {
  walk_string_keys(L, index, [&](std::string_view key) {
    std::apply(
        [&](const auto&... field) {
          (void)((field.read_from_lua && key == field.key ? (read_field_value(L, field.holder), true) : false) || ...);
        },
        fields);
  });
}

}  // namespace kv_object::record_lua
