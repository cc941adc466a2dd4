#pragma once
// The script engine's own part of a run: reaper.defer, reaper.runloop and
// reaper.atexit with the cycles that run the deferred functions,
// reaper.get_action_context, os.exit, and where the script is when the run
// stops.
#include <lua.hpp>

#include <string>

namespace kvhost {

// Adds defer, runloop, atexit and get_action_context to the `reaper` table
// at the top of the stack, and replaces os.exit.
void open_runtime(lua_State* L);

// The most cycles of deferred functions a run goes through (positive).
void set_defer_cycles(int cycles);
// The script's absolute path, as get_action_context reports it.
void set_script_path(const std::string& path);

// Each cycle runs, in order, what the previous one queued, and advances
// time_precise; ends when a cycle queues nothing or after the cycle limit.
// False with the message and traceback in error when a function fails.
bool run_deferred(lua_State* L, std::string& error);
// Runs the atexit functions in the order given; false as above.
bool run_atexit(lua_State* L, std::string& error);
// The script called defer or runloop.
bool script_deferred(lua_State* L);

// The state now calling into the host, so a stop names the script's line.
void note_running(lua_State* L);
// That state (null before any script runs).
lua_State* running_state();

// A message handler for lua_pcall: the message with its traceback.
int traceback(lua_State* L);

}  // namespace kvhost
