#include "run_stop.hpp"

#include <cstdio>
#include <cstdlib>

namespace kvhost::model {

void stop_run(run_status status, const std::string& message) {
  std::fflush(stdout);
  std::fprintf(stderr, "%s\n", message.c_str());
  std::exit(status);
}

}  // namespace kvhost::model
