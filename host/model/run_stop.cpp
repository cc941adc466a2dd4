#include "run_stop.hpp"

#include <cstdio>
#include <cstdlib>

namespace kvhost::model {
namespace {

script_location located = nullptr;

}  // namespace

void set_script_location(script_location where) { located = where; }

void stop_run(run_status status, const std::string& message) {
  const std::string where = located ? located() : std::string();
  std::fflush(stdout);
  std::fprintf(stderr, "%s%s\n", message.c_str(), where.empty() ? "" : (" (" + where + ")").c_str());
  std::exit(status);
}

}  // namespace kvhost::model
