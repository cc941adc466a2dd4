#pragma once
// The names of REAPER's own script functions (REAPER 7.40), whether the host
// offers them or not.
#include <span>
#include <string_view>

namespace kvhost {

std::span<const std::string_view> reaper_function_names();
bool is_reaper_function(std::string_view name);

// Provided by the script engine, not by REAPER's table of C functions.
bool is_script_engine_function(std::string_view name);

}  // namespace kvhost
