#include "api/text/local_clock.hpp"

namespace KV_COBALT::local_clock {
namespace {

std::tm system_now() {
  std::time_t seconds = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
#else
  localtime_r(&seconds, &local);
#endif
  return local;
}

source current = &system_now;

}  // namespace

std::tm now() { return current(); }

void set_source(source replacement) { current = replacement ? replacement : &system_now; }

}  // namespace KV_COBALT::local_clock
