#pragma once
// Running Lua scripts against the simulated host.
#include <lua.hpp>

#include <string>
#include <vector>

#include "case_report.hpp"

namespace kvhost {

// A Lua state with the standard libraries, the `reaper` table (host and
// extension functions, the script engine's defer and its kin), `kvhost`
// (simulation controls) and `arg`. As in REAPER, a script puts the folders
// `require` searches on its paths itself.
lua_State* new_script_state(const std::vector<std::string>& args = {});

// Runs a script file or text with the arguments of `arg` (from arg[1] on)
// as its `...`, then its deferred functions and its atexit functions; false
// with the message and traceback in `error` on a script error or failed
// kvhost.case. (os.exit ends the process instead of returning.)
bool run_lua_file(lua_State* L, const std::string& path, std::string& error);
bool run_lua_text(lua_State* L, const std::string& text, std::string& error);

// Ends the process after os.exit(status), once the run is concluded as
// any other (reports written).
[[noreturn]] void end_run(lua_State* L, int status);

// Where the results of kvhost.case go at the end of a run: a JUnit XML
// file (empty: none), TAP on stdout; suite names the script.
void report_cases(const std::string& junit_path, bool tap, const std::string& suite);

// Adds the `kvhost` controls table to the state.
void open_controls(lua_State* L);

// The results of the cases (kvhost.case) so far, in order.
std::vector<case_result> case_results(lua_State* L);
// The name of the case running now, empty outside any.
std::string running_case(lua_State* L);

}  // namespace kvhost
