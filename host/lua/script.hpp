#pragma once
// Running Lua scripts against the simulated host.
#include <lua.hpp>

#include <string>
#include <vector>

namespace kvhost {

// A Lua state with the standard libraries, the `reaper` table (host and
// extension functions), `kvhost` (simulation controls) and `arg`. As in
// REAPER, a script puts the folders `require` searches on its paths itself.
lua_State* new_script_state(const std::vector<std::string>& args = {});

// Runs a script file or text with the arguments of `arg` (from arg[1] on)
// as its `...`; on error writes the message and traceback to
// `error` and returns false.
bool run_lua_file(lua_State* L, const std::string& path, std::string& error);
bool run_lua_text(lua_State* L, const std::string& text, std::string& error);

// Adds the `kvhost` controls table to the state.
void open_controls(lua_State* L);

// The names of the cases (kvhost.case) that failed so far, in order.
std::vector<std::string> failed_cases(lua_State* L);

}  // namespace kvhost
