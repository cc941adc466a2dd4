#include "binding/lua/lua_module.hpp"

#include <string>
#include <utility>
#include <vector>

#include "binding/list_builder.hpp"
#include "binding/lua/lua_tables.hpp"
#include "entry/host_import.hpp"
#include "entry/messages.hpp"

namespace {

using list_binding::builder_traits;
using list_binding::shape;

// Arguments never raise: a handle is only ever a light userdata (anything else
// is null, never the address of a Lua object), an integer Lua cannot convert
// reads 0, and a value that is no text reads as an empty text.
template <class T>
T read_argument(lua_State* L, int index) {
  const auto& lua = lua_api::lua;
  if constexpr (std::is_pointer_v<T>) {
    return lua.lua_type(L, index) == LUA_TLIGHTUSERDATA ? static_cast<T>(lua.lua_touserdata(L, index)) : nullptr;
  } else if constexpr (std::is_same_v<T, int>) {
    return static_cast<int>(lua.lua_tointegerx(L, index, nullptr));
  } else {
    static_assert(std::is_same_v<T, std::string>);
    const int type = lua.lua_type(L, index);
    if (type != LUA_TSTRING && type != LUA_TNUMBER) return {};
    std::size_t length = 0;
    const char* text = lua.lua_tolstring(L, index, &length);
    return text ? std::string(text, length) : std::string();
  }
}

template <class Traits, std::size_t... I>
auto read_arguments(lua_State* L, std::index_sequence<I...>) {
  return std::tuple<typename Traits::template input<I>...>(
      read_argument<typename Traits::template input<I>>(L, static_cast<int>(I) + 1)...);
}

// Reads the arguments, runs the builder once and pushes its boolean, the
// list as a table and, for builders that count, the count. A failure inside
// the library reads as false with an empty list: nothing unwinds into Lua.
template <auto Builder>
int call(lua_State* L) noexcept {
  using traits = builder_traits<Builder>;
  constexpr shape kind = list_binding::shape_of<typename traits::element>();
  typename traits::list result;
  int count = 0;
  bool ok = false;
  try {
    auto inputs = read_arguments<traits>(L, std::make_index_sequence<traits::input_count>{});
    ok = traits::call(inputs, result, count);
  } catch (...) {
    ok = false;
    result = {};
    count = 0;
  }
  const auto& lua = lua_api::lua;
  lua.lua_pushboolean(L, ok ? 1 : 0);
  if constexpr (kind == shape::records)
    lua_utility::push_records(L, result);
  else if constexpr (kind == shape::texts)
    lua_utility::pushvalue(L, result);
  else
    lua_utility::push_handles(L, result);
  if constexpr (traits::counted) {
    lua.lua_pushinteger(L, count);
    return 3;
  } else {
    return 2;
  }
}

}  // namespace

namespace KV_COBALT {
#define KV_LUA_LIST_FUNCTION(name, params, args, description) \
  int l_##name(lua_State* L) noexcept { return call<&name>(L); }
KV_LIST_FUNCTIONS(KV_LUA_LIST_FUNCTION)
#undef KV_LUA_LIST_FUNCTION

namespace {
const luaL_Reg lua_functions[] = {
#define KV_LUA_REGISTRATION(name, params, args, description) {"KV_" #name, &l_##name},
    KV_LIST_FUNCTIONS(KV_LUA_REGISTRATION)
#undef KV_LUA_REGISTRATION
        {nullptr, nullptr}};
}  // namespace
}  // namespace KV_COBALT

namespace {

// Without its caller's Lua the opener can push nothing, not even an error;
// inside REAPER it says why in the console and what to use instead.
void explain_missing_lua() noexcept {
  try {
    if (KV_COBALT::host::ShowConsoleMsg && kv_app::message_list)
      KV_COBALT::host::ShowConsoleMsg(kv_app::message_list->MSG_LUA_NOT_EXPORTED());
  } catch (...) {
  }
}

}  // namespace

int luaopen_reaper_KELVARO_COBALT(lua_State* L) {
  // The caller is the Lua core that runs the opener; its object must hold
  // the Lua functions the library uses.
  const void* caller = __builtin_return_address(0);
  if (!L) return 0;
  if (!lua_api::resolve(caller)) {
    explain_missing_lua();
    return 0;
  }
  const auto& lua = lua_api::lua;
  lua.lua_createtable(L, 0, 0);
  lua.lua_checkstack(L, 14);
  lua.luaL_setfuncs(L, KV_COBALT::lua_functions, 0);
  lua.lua_pushvalue(L, -1);
  lua.lua_setglobal(L, "KV_COBALT");
  return 1;
}
