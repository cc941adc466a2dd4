#pragma once
// What a script run is given and leaves behind beyond the project: the
// platform it reports, its clock, the answers for its dialogs, its tooltip.
#include <deque>
#include <string>
#include <vector>

namespace kvhost::model {

// A line of an answers file, read: a return code, or the values of an
// input dialog answered with OK ("1," and the values).
struct answer_line {
  int number = 0;  // in the file, for messages
  bool inputs = false;
  int code = 0;
  std::vector<std::string> values;
};

struct tooltip_record {
  std::string text;  // empty: none shown
  int x = 0, y = 0;
  bool topmost = false;
};

// How far time_precise advances in a cycle of deferred code: REAPER runs
// them about every 33 ms.
constexpr double defer_cycle_seconds = 1.0 / 30;

struct runner_state {
  std::string os;           // what GetOS reports
  std::string app_version;  // what GetAppVersion reports
  int mouse_x = 0, mouse_y = 0;
  // Seconds of time_precise: a fixed, day-long uptime at the start, so that
  // scripts comparing with 0 see time as long passed, as in a running REAPER.
  double clock = 86400;
  tooltip_record tooltip;
  int prevent_ui_refresh = 0;
  // A dialog without an answer stops the run instead of answering a default.
  bool dialogs_need_answers = false;
  std::string answers_file;
  std::deque<answer_line> answers;
  bool deferred = false;  // the last script that ended had called defer
};

runner_state& runner();

// Sets up a run of the kvhost command: the platform reported (empty: the
// defaults), the answers file (empty: none); dialogs without an answer stop
// it. False with a message when the answers file is bad.
bool prepare_script_run(const std::string& os, const std::string& version, const std::string& answers,
                        std::string& error);

// Reads an answers file into runner().answers; false with a message naming
// the file and line when it cannot be read or a line is of no known kind.
bool load_answers(const std::string& path, std::string& error);

// The platform as GetOS spells it, and GetAppVersion's suffix for it.
std::string machine_os();
bool is_known_os(const std::string& os);
std::string app_version(const std::string& version, const std::string& os);

}  // namespace kvhost::model
