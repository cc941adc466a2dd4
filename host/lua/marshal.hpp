#pragma once
// Calling a host or extension function from Lua through its definition
// string and vararg wrapper, as the host's script engine does.
#include <lua.hpp>

#include <string>

namespace kvhost {

// Pushes a Lua function that calls the named function, or nil when the host
// offers no such function.
void push_script_function(lua_State* L, const std::string& name);

}  // namespace kvhost
