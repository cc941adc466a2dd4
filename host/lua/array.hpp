#pragma once
// reaper.new_array: arrays of doubles that scripts hand to host functions
// taking a sample buffer (GetMediaItemTake_Peaks, GetAudioAccessorSamples).
#include <lua.hpp>

namespace kvhost {

// Adds reaper.new_array to the table on top of the stack.
void open_array(lua_State* L);

// The array's storage when the value at index is such an array, else null.
double* script_array_data(lua_State* L, int index);

}  // namespace kvhost
