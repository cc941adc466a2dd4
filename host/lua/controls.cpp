// The `kvhost` table: what a test or script needs to steer the simulation.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <exception>
#include <string>

#include "loader/extension.hpp"
#include "loader/functions.hpp"
#include "lua/definition_parse.hpp"
#include "lua/script.hpp"
#include "model/need_big.hpp"
#include "model/runner.hpp"
#include "project_file/current_project.hpp"
#include "simulation.hpp"

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

int need_big_surplus(lua_State* L) {
  model::set_need_big_surplus(static_cast<int>(std::clamp<lua_Integer>(luaL_checkinteger(L, 1), INT_MIN, INT_MAX)));
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

// How many exceptions the extension stopped at its boundary, and the last.
int stopped_exceptions(lua_State* L) {
  const extension* current = loaded_extension();
  std::string last;
  lua_pushinteger(L, current ? current->stopped_exceptions(&last) : 0);
  lua_pushstring(L, last.c_str());
  return 2;
}

void* project_argument(lua_State* L, int index) {
  if (lua_isnoneornil(L, index)) return nullptr;
  if (lua_isinteger(L, index) && lua_tointeger(L, index) == 0) return nullptr;
  luaL_checktype(L, index, LUA_TLIGHTUSERDATA);
  return lua_touserdata(L, index);
}

void push_handle(lua_State* L, void* handle) {
  if (handle)
    lua_pushlightuserdata(L, handle);
  else
    lua_pushnil(L);
}

// kvhost.case(name, fn): runs fn protected; a failure is reported with the
// case's name and its traceback, the script goes on, and fails at its end.
// Every case is kept, passed or not, for the run's reports.
constexpr const char* cases_key = "kvhost.cases";
constexpr const char* running_case_key = "kvhost.running_case";

int case_traceback(lua_State* L) {
  const char* message = lua_tostring(L, 1);
  luaL_traceback(L, L, message ? message : "(error object is not a string)", 1);
  return 1;
}

int run_case(lua_State* L) {
  const char* name = luaL_checkstring(L, 1);
  luaL_checktype(L, 2, LUA_TFUNCTION);
  lua_pushcfunction(L, case_traceback);
  lua_pushvalue(L, 2);
  lua_pushvalue(L, 1);
  lua_setfield(L, LUA_REGISTRYINDEX, running_case_key);
  const bool passed = lua_pcall(L, 0, 0, -2) == LUA_OK;
  lua_pushnil(L);
  lua_setfield(L, LUA_REGISTRYINDEX, running_case_key);
  if (!passed) std::fprintf(stderr, "case failed: %s\n%s\n", name, lua_tostring(L, -1));
  if (lua_getfield(L, LUA_REGISTRYINDEX, cases_key) != LUA_TTABLE) {
    lua_pop(L, 1);
    lua_newtable(L);
    lua_pushvalue(L, -1);
    lua_setfield(L, LUA_REGISTRYINDEX, cases_key);
  }
  lua_createtable(L, 0, 3);
  lua_pushstring(L, name);
  lua_setfield(L, -2, "name");
  lua_pushboolean(L, passed);
  lua_setfield(L, -2, "passed");
  if (!passed) {
    lua_pushvalue(L, -3);
    lua_setfield(L, -2, "message");
  }
  lua_rawseti(L, -2, static_cast<lua_Integer>(lua_rawlen(L, -2)) + 1);
  lua_pushboolean(L, passed);
  return 1;
}

int reset_simulation(lua_State*) {
  reset();
  return 0;
}

int current(lua_State* L) {
  push_handle(L, current_project());
  return 1;
}

int new_project(lua_State* L) {
  push_handle(L, create_project());
  return 1;
}

int make_current(lua_State* L) {
  lua_pushboolean(L, set_current_project(static_cast<ReaProject*>(project_argument(L, 1))));
  return 1;
}

int master(lua_State* L) {
  push_handle(L, master_track(static_cast<ReaProject*>(project_argument(L, 1))));
  return 1;
}

// Reads the integers of the table at index 2, appends the tracks and pushes
// them; false (nothing pushed) when an entry is not an integer. Kept apart so
// that no C++ object is alive when the caller raises the Lua error.
bool push_added_tracks(lua_State* L, ReaProject* project) {
  std::vector<int> folder_depths;
  const auto count = static_cast<lua_Integer>(lua_rawlen(L, 2));
  for (lua_Integer i = 1; i <= count; ++i) {
    lua_rawgeti(L, 2, i);
    int is_integer = 0;
    const lua_Integer value = lua_tointegerx(L, -1, &is_integer);
    lua_pop(L, 1);
    if (!is_integer) return false;
    folder_depths.push_back(static_cast<int>(value));
  }
  const auto added = add_tracks(project, folder_depths);
  lua_createtable(L, static_cast<int>(added.size()), 0);
  for (std::size_t i = 0; i < added.size(); ++i) {
    lua_pushlightuserdata(L, added[i]);
    lua_rawseti(L, -2, static_cast<lua_Integer>(i + 1));
  }
  return true;
}

// kvhost.add_tracks(project, {folder depth changes}) -> {new tracks}
int append_tracks(lua_State* L) {
  auto* project = static_cast<ReaProject*>(project_argument(L, 1));
  luaL_checktype(L, 2, LUA_TTABLE);
  if (!push_added_tracks(L, project)) return luaL_argerror(L, 2, "integer folder depth changes expected");
  return 1;
}

int resource_folder(lua_State* L) {
  if (!lua_isnoneornil(L, 1)) set_resource_path(luaL_checkstring(L, 1));
  lua_pushstring(L, resource_path().c_str());
  return 1;
}

int project_folder(lua_State* L) {
  auto* project = static_cast<ReaProject*>(project_argument(L, 1));
  if (!lua_isnoneornil(L, 2) && !set_project_path(project, luaL_checkstring(L, 2))) return 0;
  lua_pushstring(L, project_path(project).c_str());
  return 1;
}

// true, or nil and "FILE:LINE: expected ..." / the reason a save failed.
int project_file_result(lua_State* L, const std::string& failure) {
  if (failure.empty()) {
    lua_pushboolean(L, 1);
    return 1;
  }
  lua_pushnil(L);
  lua_pushstring(L, failure.c_str());
  return 2;
}

int load_project_file(lua_State* L) { return project_file_result(L, load_current_project(luaL_checkstring(L, 1))); }

int save_project_file(lua_State* L) { return project_file_result(L, save_current_project(luaL_checkstring(L, 1))); }

int message_box_answer(lua_State* L) {
  queue_message_box_answer(static_cast<int>(luaL_checkinteger(L, 1)));
  return 0;
}

int user_inputs_answer(lua_State* L) {
  queue_user_inputs_answer(lua_toboolean(L, 1), luaL_optstring(L, 2, ""));
  return 0;
}

void set_field(lua_State* L, const char* key, const std::string& value) {
  lua_pushstring(L, value.c_str());
  lua_setfield(L, -2, key);
}

void set_field(lua_State* L, const char* key, lua_Integer value) {
  lua_pushinteger(L, value);
  lua_setfield(L, -2, key);
}

int console_text(lua_State* L) {
  lua_pushlstring(L, console().data(), console().size());
  return 1;
}

int dialog_log(lua_State* L) {
  const auto& log = dialogs();
  lua_createtable(L, static_cast<int>(log.size()), 0);
  for (std::size_t i = 0; i < log.size(); ++i) {
    const dialog_record& d = log[i];
    lua_createtable(L, 0, 7);
    set_field(L, "kind", d.kind);
    set_field(L, "title", d.title);
    set_field(L, "text", d.text);
    set_field(L, "values", d.values);
    set_field(L, "type", d.type);
    set_field(L, "inputs", d.inputs);
    set_field(L, "answer", d.answer);
    lua_rawseti(L, -2, static_cast<lua_Integer>(i + 1));
  }
  return 1;
}

int command_log(lua_State* L) {
  const auto& log = commands();
  lua_createtable(L, static_cast<int>(log.size()), 0);
  for (std::size_t i = 0; i < log.size(); ++i) {
    lua_createtable(L, 0, 4);
    set_field(L, "command", log[i].command);
    set_field(L, "flag", log[i].flag);
    push_handle(L, log[i].project);
    lua_setfield(L, -2, "project");
    const auto& items = log[i].selected_items;
    lua_createtable(L, static_cast<int>(items.size()), 0);
    for (std::size_t k = 0; k < items.size(); ++k) {
      lua_pushlightuserdata(L, items[k]);
      lua_rawseti(L, -2, static_cast<lua_Integer>(k + 1));
    }
    lua_setfield(L, -2, "items");
    lua_rawseti(L, -2, static_cast<lua_Integer>(i + 1));
  }
  return 1;
}

int arrange_updates(lua_State* L) {
  lua_pushinteger(L, update_arrange_count());
  return 1;
}

// Pushes a source holding the numbers of the table at index 3; false
// (nothing pushed) when an entry is not a number. No C++ object outlives it,
// so the caller may raise a Lua error afterwards.
bool push_created_source(lua_State* L, int rate, int channels) {
  std::vector<float> samples(lua_rawlen(L, 3));
  for (std::size_t i = 0; i < samples.size(); ++i) {
    lua_rawgeti(L, 3, static_cast<lua_Integer>(i + 1));
    int is_number = 0;
    samples[i] = static_cast<float>(lua_tonumberx(L, -1, &is_number));
    lua_pop(L, 1);
    if (!is_number) return false;
  }
  push_handle(L, create_source(rate, channels, std::move(samples)));
  return true;
}

// kvhost.create_source(rate, channels, {samples, frame after frame}) -> source or nil
int new_source(lua_State* L) {
  const auto rate = static_cast<int>(luaL_checkinteger(L, 1));
  const auto channels = static_cast<int>(luaL_checkinteger(L, 2));
  luaL_checktype(L, 3, LUA_TTABLE);
  if (!push_created_source(L, rate, channels)) return luaL_argerror(L, 3, "numbers expected");
  return 1;
}

// kvhost.add_item(track, position, length, source) -> item or nil
int new_item(lua_State* L) {
  luaL_checktype(L, 1, LUA_TLIGHTUSERDATA);
  luaL_checktype(L, 4, LUA_TLIGHTUSERDATA);
  push_handle(L, add_item(static_cast<MediaTrack*>(lua_touserdata(L, 1)), luaL_checknumber(L, 2),
                          luaL_checknumber(L, 3), static_cast<PCM_source*>(lua_touserdata(L, 4))));
  return 1;
}

// kvhost.add_take_envelope(take, name) -> envelope or nil
int new_take_envelope(lua_State* L) {
  luaL_checktype(L, 1, LUA_TLIGHTUSERDATA);
  const char* name = luaL_checkstring(L, 2);
  push_handle(L, add_take_envelope(static_cast<MediaItem_Take*>(lua_touserdata(L, 1)), name));
  return 1;
}

// kvhost.default_dialog_answers(): a dialog with no answer queued answers its
// default (OK, or Cancel / No; an input dialog cancels) instead of stopping the run
int default_dialog_answers(lua_State*) {
  model::runner().dialogs_need_answers = false;
  return 0;
}

// kvhost.tooltip() -> text, x, y, topmost of the last TrackCtl_SetToolTip
int tooltip(lua_State* L) {
  const auto& shown = model::runner().tooltip;
  lua_pushstring(L, shown.text.c_str());
  lua_pushinteger(L, shown.x);
  lua_pushinteger(L, shown.y);
  lua_pushboolean(L, shown.topmost);
  return 4;
}

// kvhost.mouse_position(x, y): where GetMousePosition puts the mouse
int mouse_position(lua_State* L) {
  model::runner().mouse_x = static_cast<int>(std::clamp<lua_Integer>(luaL_checkinteger(L, 1), INT_MIN, INT_MAX));
  model::runner().mouse_y = static_cast<int>(std::clamp<lua_Integer>(luaL_checkinteger(L, 2), INT_MIN, INT_MAX));
  return 0;
}

int hide_sws(lua_State*) {
  hide_sws_functions();
  return 0;
}

const luaL_Reg controls[] = {
    {"reset", reset_simulation},
    {"case", run_case},
    {"current_project", current},
    {"create_project", new_project},
    {"set_current_project", make_current},
    {"master_track", master},
    {"add_tracks", append_tracks},
    {"resource_path", resource_folder},
    {"project_path", project_folder},
    {"load_project", load_project_file},
    {"save_project", save_project_file},
    {"queue_message_box_answer", message_box_answer},
    {"queue_user_inputs_answer", user_inputs_answer},
    {"dialogs", dialog_log},
    {"console", console_text},
    {"default_dialog_answers", default_dialog_answers},
    {"tooltip", tooltip},
    {"mouse_position", mouse_position},
    {"commands", command_log},
    {"update_arrange_count", arrange_updates},
    {"functions", functions},
    {"registrations", registration_keys},
    {"definition", definition},
    {"hide_function", hide},
    {"hide_sws", hide_sws},
    {"need_big_surplus", need_big_surplus},
    {"create_source", new_source},
    {"add_item", new_item},
    {"add_take_envelope", new_take_envelope},
    {"show_all_functions", show_all},
    {"load_extension", load},
    {"unload_extension", unload},
    {"has_export", extension_symbol},
    {"stopped_exceptions", stopped_exceptions},
    {nullptr, nullptr},
};

}  // namespace

std::string running_case(lua_State* L) {
  const bool running = lua_getfield(L, LUA_REGISTRYINDEX, running_case_key) == LUA_TSTRING;
  std::string name = running ? lua_tostring(L, -1) : "";
  lua_pop(L, 1);
  return name;
}

std::vector<case_result> case_results(lua_State* L) {
  std::vector<case_result> results;
  if (lua_getfield(L, LUA_REGISTRYINDEX, cases_key) == LUA_TTABLE) {
    for (lua_Integer i = 1; i <= static_cast<lua_Integer>(lua_rawlen(L, -1)); ++i) {
      lua_rawgeti(L, -1, i);
      case_result& result = results.emplace_back();
      lua_getfield(L, -1, "name");
      result.name = lua_tostring(L, -1);
      lua_getfield(L, -2, "passed");
      result.passed = lua_toboolean(L, -1);
      lua_getfield(L, -3, "message");
      result.message = lua_isstring(L, -1) ? lua_tostring(L, -1) : "";
      lua_pop(L, 4);
    }
  }
  lua_pop(L, 1);
  return results;
}

void open_controls(lua_State* L) {
  luaL_newlib(L, controls);
  lua_setglobal(L, "kvhost");
}

}  // namespace kvhost
