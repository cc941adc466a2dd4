#pragma once
// With --trace: the functions of a C module a script loads itself
// (package.loadlib, require) report an exception the extension stopped in
// them as they return, as a registered call does.
#include <lua.hpp>

namespace kvhost {

// Wraps the state's C module loaders so that what they load reports.
void trace_c_modules(lua_State* L);

}  // namespace kvhost
