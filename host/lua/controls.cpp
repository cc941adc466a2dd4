// The `kvhost` table: what a test or script needs to steer the simulation.
#include <exception>
#include <string>

#include "loader/extension.hpp"
#include "loader/functions.hpp"
#include "lua/definition_parse.hpp"
#include "lua/script.hpp"

namespace kvhost {
namespace {

int push_string_list(lua_State* L, const std::vector<std::string>& items) {
  lua_createtable(L, static_cast<int>(items.size()), 0);
  for (std::size_t i = 0; i < items.size(); ++i) {
    lua_pushstring(L, items[i].c_str());
    lua_rawseti(L, -2, static_cast<lua_Integer>(i + 1));
  }
  return 1;
}

int functions(lua_State* L) { return push_string_list(L, registered_names()); }

int registration_keys(lua_State* L) {
  std::vector<std::string> keys;
  for (const auto& r : registrations()) keys.push_back(r.key);
  return push_string_list(L, keys);
}

int definition(lua_State* L) {
  const callable* found = find_callable(luaL_checkstring(L, 1));
  if (!found || !found->definition) return 0;
  parsed_definition parsed = parse_definition(found->definition);
  std::vector<std::string> types, names;
  for (const auto& p : parsed.parameters) {
    types.push_back(p.type);
    names.push_back(p.name);
  }
  lua_pushstring(L, parsed.result.c_str());
  push_string_list(L, types);
  push_string_list(L, names);
  lua_pushstring(L, parsed.help.c_str());
  return 4;
}

int hide(lua_State* L) {
  hide_function(luaL_checkstring(L, 1));
  return 0;
}

int show_all(lua_State*) {
  show_all_functions();
  return 0;
}

int load(lua_State* L) {
  std::string path = luaL_optstring(L, 1, default_extension_path().c_str());
  std::string failure;
  try {
    lua_pushinteger(L, load_extension(path).load_result());
    return 1;
  } catch (const std::exception& e) {
    failure = e.what();
  }
  lua_pushnil(L);
  lua_pushstring(L, failure.c_str());
  return 2;
}

int unload(lua_State* L) {
  lua_pushinteger(L, unload_extension());
  return 1;
}

int extension_symbol(lua_State* L) {
  extension* current = loaded_extension();
  void* address = current ? current->symbol(luaL_checkstring(L, 1)) : nullptr;
  lua_pushboolean(L, address != nullptr);
  return 1;
}

const luaL_Reg controls[] = {
    {"functions", functions},
    {"registrations", registration_keys},
    {"definition", definition},
    {"hide_function", hide},
    {"show_all_functions", show_all},
    {"load_extension", load},
    {"unload_extension", unload},
    {"has_export", extension_symbol},
    {nullptr, nullptr},
};

}  // namespace

void open_controls(lua_State* L) {
  luaL_newlib(L, controls);
  lua_setglobal(L, "kvhost");
}

}  // namespace kvhost
