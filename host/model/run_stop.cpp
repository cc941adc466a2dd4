#include "run_stop.hpp"

#include <cstdio>
#include <cstdlib>

namespace kvhost::model {
namespace {

script_location located = nullptr;
stop_report reported = nullptr;

}  // namespace

void set_script_location(script_location where) { located = where; }

void set_stop_report(stop_report report) { reported = report; }

void stop_run(run_status status, const std::string& message) {
  const std::string where = located ? located() : std::string();
  const std::string full = message + (where.empty() ? "" : " (" + where + ")");
  if (reported) reported(full);
  std::fflush(stdout);
  std::fprintf(stderr, "%s\n", full.c_str());
  std::exit(status);
}

}  // namespace kvhost::model
