#pragma once
// The local time used for dated folder names. Tests replace the source to fix
// the time; nothing of this is registered for scripts.
#include <ctime>

namespace KV_COBALT::local_clock {

using source = std::tm (*)();

std::tm now();
// A null source goes back to the system clock.
void set_source(source replacement);

}  // namespace KV_COBALT::local_clock
