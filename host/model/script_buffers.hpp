#pragma once
// Sizes of the sample arrays scripts pass (reaper.new_array), so a function
// writing into one can refuse a request larger than the array. Buffers from
// C callers are not known here: their size is the caller's promise.
#include <cstddef>

namespace kvhost::model {

void remember_script_buffer(const double* data, std::size_t capacity);
void forget_script_buffer(const double* data);
// The capacity in doubles of a script's array, or SIZE_MAX for other buffers.
std::size_t script_buffer_room(const double* data);

}  // namespace kvhost::model
