#pragma once
// Heap bytes in use, counted by the benchmark program's own operator new and
// delete, and the highest count since the last reset: the peak memory of
// what runs between reset and read.
#include <cstddef>

namespace allocation_counter {

void reset_peak();
// Highest bytes in use since reset_peak, above what was in use then.
std::size_t peak_above_start();
// Allocations made since the program started.
long allocations();

}  // namespace allocation_counter
