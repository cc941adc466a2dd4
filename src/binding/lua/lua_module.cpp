#include "binding/lua/lua_module.hpp"

#include <algorithm>
#include <climits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "binding/list_builder.hpp"
#include "binding/lua/lua_tables.hpp"
#include "entry/caught_exception.hpp"
#include "entry/host_import.hpp"
#include "entry/messages.hpp"

namespace {

using list_binding::builder_traits;
using list_binding::shape;

// A Lua table of a record's fields, in the table of the list.
constexpr std::size_t lua_bytes_per_record = 190;

// One call's arguments, list and count. A Lua call may raise by a long jump
// that skips C++ destructors, so these live in the adapter's own frame and
// every Lua call that could raise runs in a protected call: the adapter
// frees them, then raises the error again.
template <auto Builder>
struct call_state {
  using traits = builder_traits<Builder>;
  typename traits::inputs inputs;
  typename traits::list result;
  int count = 0;
  bool ok = false;
  bool failed = false;         // a C++ failure: the call answers false and an empty list
  const char* name = nullptr;  // for the record of a caught exception
};

// Arguments never raise an error of their own: a handle is only ever a light
// userdata (anything else is null, never the address of a Lua object), an
// integer Lua cannot convert reads 0, one beyond the 32-bit range takes the
// nearest end, and a value that is no text reads as an empty text.
template <class T>
void read_argument(lua_State* L, int index, T& into) {
  const auto& lua = lua_api::lua;
  if constexpr (std::is_pointer_v<T>) {
    into = lua.lua_type(L, index) == LUA_TLIGHTUSERDATA ? static_cast<T>(lua.lua_touserdata(L, index)) : nullptr;
  } else if constexpr (std::is_same_v<T, int>) {
    const lua_Integer value = lua.lua_tointegerx(L, index, nullptr);
    into = static_cast<int>(std::clamp<lua_Integer>(value, INT_MIN, INT_MAX));
  } else {
    static_assert(std::is_same_v<T, std::string>);
    const int type = lua.lua_type(L, index);
    if (type != LUA_TSTRING && type != LUA_TNUMBER) return;
    std::size_t length = 0;
    const char* text = lua.lua_tolstring(L, index, &length);  // a number becomes a text here
    if (text) into.assign(text, length);
  }
}

// Protected; argument 1 is the state, the call's own arguments follow.
template <auto Builder>
int read_arguments(lua_State* L) noexcept {
  auto& state = *static_cast<call_state<Builder>*>(lua_api::lua.lua_touserdata(L, 1));
  try {
    std::apply(
        [&](auto&... input) {
          int index = 2;
          (read_argument(L, index++, input), ...);
        },
        state.inputs);
  } catch (...) {
    kv_registry::record_caught_exception(state.name);
    state.failed = true;
  }
  return 0;
}

// Protected; argument 1 is the state. Pushes the boolean, the list as a table
// and, for builders that count, the count.
template <auto Builder>
int push_results(lua_State* L) noexcept {
  using traits = builder_traits<Builder>;
  constexpr shape kind = list_binding::shape_of<typename traits::element>();
  const auto& state = *static_cast<const call_state<Builder>*>(lua_api::lua.lua_touserdata(L, 1));
  const auto& lua = lua_api::lua;
  lua.lua_pushboolean(L, state.ok ? 1 : 0);
  if constexpr (kind == shape::records)
    lua_utility::push_records(L, state.result);
  else if constexpr (kind == shape::texts)
    lua_utility::pushvalue(L, state.result);
  else
    lua_utility::push_handles(L, state.result);
  if constexpr (traits::counted) {
    lua.lua_pushinteger(L, state.count);
    return 3;
  } else {
    return 2;
  }
}

// Runs step on the state with the call's first arguments; leaves its
// results, or the error, above base.
template <class State>
int run_protected(lua_State* L, lua_CFunction step, State& state, int arguments) {
  const auto& lua = lua_api::lua;
  if (!lua.lua_checkstack(L, arguments + 2)) return LUA_ERRMEM;
  lua.lua_pushcclosure(L, step, 0);
  lua.lua_pushlightuserdata(L, &state);
  for (int i = 1; i <= arguments; ++i) {
    if (lua.lua_type(L, i) == LUA_TNONE)
      lua.lua_pushnil(L);
    else
      lua.lua_pushvalue(L, i);
  }
  return lua.lua_pcallk(L, arguments + 1, LUA_MULTRET, 0, 0, nullptr);
}

// Reads the arguments, runs the builder once and answers its boolean, the
// list and the count where there is one. A C++ failure reads as false with
// an empty list; a Lua error (out of memory) is raised once the call's own
// objects are freed.
template <auto Builder>
int call(lua_State* L, const char* name) noexcept {
  using traits = builder_traits<Builder>;
  const auto& lua = lua_api::lua;
  const int base = lua.lua_gettop(L);
  int status = LUA_OK;
  {
    call_state<Builder> state;
    state.name = name;
    status = run_protected(L, &read_arguments<Builder>, state, static_cast<int>(traits::input_count));
    if (status == LUA_OK && !state.failed) {
      try {
        const kv_object::binding_row_cost cost(lua_bytes_per_record);
        state.ok = traits::call(state.inputs, state.result, state.count);
      } catch (...) {
        kv_registry::record_caught_exception(name);
        state.failed = true;
      }
    }
    if (state.failed) {
      state.ok = false;
      state.result = {};
      state.count = 0;
    }
    if (status == LUA_OK) status = run_protected(L, &push_results<Builder>, state, 0);
  }
  if (status != LUA_OK) {
    if (status == LUA_ERRMEM && lua.lua_gettop(L) == base) lua.lua_pushstring(L, "not enough memory");
    return lua.lua_error(L);
  }
  return lua.lua_gettop(L) - base;
}

}  // namespace

namespace KV_COBALT {
#define KV_LUA_LIST_FUNCTION(name, params, args, description) \
  int l_##name(lua_State* L) noexcept {                       \
    return call<&name>(L,                                     \
                       "KV_COBALT."                           \
                       "KV_" #name);                          \
  }
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
