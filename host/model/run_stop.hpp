#pragma once
// Ends the script run at once, for what the host does not simulate or cannot
// answer: the message goes to stderr and the process exits with status.
#include <string>

namespace kvhost::model {

// Exit statuses of a run.
enum run_status : int {
  run_passed = 0,
  run_failed = 1,
  run_bad_input = 2,
  run_not_implemented = 3,
  run_unanswered_dialog = 4,
  run_timed_out = 5,
};

// The message gets the script's file and line where the stop happened, as
// the running script engine tells it: "message (script.lua:12)".
[[noreturn]] void stop_run(run_status status, const std::string& message);

// Where the running script is now ("script.lua:12"), empty when unknown.
using script_location = std::string (*)();
void set_script_location(script_location where);

// Called with the full message just before a stop ends the process, so the
// run's reports still name why it stopped.
using stop_report = void (*)(const std::string& message);
void set_stop_report(stop_report report);

}  // namespace kvhost::model
