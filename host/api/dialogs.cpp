// Dialogs answer from the queues a test fills, else from the run's answers
// file; every dialog is logged, and so is the console.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "api/host_api.hpp"
#include "model/run_stop.hpp"
#include "model/runner.hpp"
#include "model/state.hpp"
#include "model/text.hpp"

namespace kvhost::api {
using namespace kvhost::model;
namespace {

constexpr int max_inputs = 16;

// The buttons of each message box type, as the codes they return.
std::vector<int> buttons(int type) {
  switch (type) {
    case 1:
      return {1, 2};  // OK, Cancel
    case 2:
      return {3, 4, 5};  // Abort, Retry, Ignore
    case 3:
      return {6, 7, 2};  // Yes, No, Cancel
    case 4:
      return {6, 7};  // Yes, No
    case 5:
      return {4, 2};  // Retry, Cancel
    default:
      return {1};  // OK
  }
}

// What a test's dialog answers when nothing is queued.
int default_answer(int type) {
  switch (type) {
    case 2:
      return 3;  // Abort
    case 3:
    case 5:
      return 2;  // Cancel
    case 4:
      return 7;  // No
    default:
      return 1;  // OK
  }
}

std::string answers_place(const answer_line& line) {
  return "kvhost: " + runner().answers_file + ":" + std::to_string(line.number) + ": ";
}

[[noreturn]] void unanswered(const std::string& kind, std::string_view title, std::string_view text) {
  stop_run(run_unanswered_dialog,
           "kvhost: no answer left for " + kind + " \"" + std::string(title) + "\": " + std::string(text));
}

void check_button(int answer, int type, const std::string& place) {
  for (int button : buttons(type))
    if (answer == button) return;
  std::string allowed;
  for (int button : buttons(type)) allowed += (allowed.empty() ? "" : ", ") + std::to_string(button);
  stop_run(run_bad_input, place + "answer " + std::to_string(answer) + " is no button of a type " +
                              std::to_string(type) + " message box (" + allowed + ")");
}

int message_box_answer(std::string_view msg, std::string_view title, int type) {
  auto& host = state();
  auto& run = runner();
  if (!host.message_box_answers.empty()) {
    const int answer = host.message_box_answers.front();
    host.message_box_answers.pop_front();
    check_button(answer, type, "kvhost: ");
    return answer;
  }
  if (!run.answers.empty()) {
    const answer_line line = std::move(run.answers.front());
    run.answers.pop_front();
    if (line.inputs) stop_run(run_bad_input, answers_place(line) + "a message box needs a button code, not values");
    check_button(line.code, type, answers_place(line));
    return line.code;
  }
  if (run.dialogs_need_answers) unanswered("message box", title, msg);
  return default_answer(type);
}

// The captions of an input dialog: its fields, and the separator that
// "separator=X" among them sets for the defaults and answers.
struct input_captions {
  std::vector<std::string> fields;
  char separator = ',';
};

input_captions read_captions(std::string_view csv) {
  input_captions read;
  std::size_t start = 0;
  while (start <= csv.size()) {
    const std::size_t end = std::min(csv.find(',', start), csv.size());
    const std::string_view entry = csv.substr(start, end - start);
    if (entry.starts_with("separator=") && entry.size() > 10)
      read.separator = entry[10];
    else if (!entry.starts_with("extrawidth="))
      read.fields.emplace_back(entry);
    start = end + 1;
  }
  return read;
}

std::string join(const std::vector<std::string>& values, char separator) {
  std::string joined;
  for (std::size_t i = 0; i < values.size(); ++i) joined += (i ? std::string(1, separator) : "") + values[i];
  return joined;
}

// The answer as the retvals text, or nothing for Cancel.
std::optional<std::string> user_inputs_reply(std::string_view title, std::string_view captions, int fields) {
  auto& host = state();
  auto& run = runner();
  if (!host.user_inputs_answers.empty()) {
    user_inputs_answer answer = std::move(host.user_inputs_answers.front());
    host.user_inputs_answers.pop_front();
    if (!answer.ok) return std::nullopt;
    return answer.csv;
  }
  if (!run.answers.empty()) {
    const answer_line line = std::move(run.answers.front());
    run.answers.pop_front();
    if (!line.inputs && line.code == 0) return std::nullopt;
    if (!line.inputs)
      stop_run(run_bad_input, answers_place(line) + "an input dialog needs 0 (Cancel) or 1, and its values");
    if (static_cast<int>(line.values.size()) != fields)
      stop_run(run_bad_input, answers_place(line) + std::to_string(line.values.size()) + " value(s) for a dialog of " +
                                  std::to_string(fields) + " field(s)");
    return join(line.values, read_captions(captions).separator);
  }
  if (run.dialogs_need_answers) unanswered("input dialog", title, captions);
  return std::nullopt;
}

}  // namespace

void ShowConsoleMsg(const char* msg) {
  const std::string_view text = text_or_empty(msg);
  state().console += text;
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

void ClearConsole() { state().console.clear(); }

int ShowMessageBox(const char* msg, const char* title, int type) {
  auto& host = state();
  const std::string_view message = text_or_empty(msg), heading = text_or_empty(title);
  host.dialogs.push_back({"message", std::string(heading), std::string(message), "", type, 0, 0});
  const int answer = message_box_answer(message, heading, type);
  state().dialogs.back().answer = answer;
  return answer;
}

int MB(const char* msg, const char* title, int type) { return ShowMessageBox(msg, title, type); }

bool GetUserInputs(const char* title, int num_inputs, const char* captions_csv, char* retvals_csv, int retvals_csv_sz) {
  if (num_inputs < 1 || num_inputs > max_inputs || !retvals_csv || retvals_csv_sz <= 0) return false;
  const std::string_view heading = text_or_empty(title), captions = text_or_empty(captions_csv);
  state().dialogs.push_back({"inputs", std::string(heading), std::string(captions),
                             std::string(read_text(retvals_csv, retvals_csv_sz)), 0, num_inputs, 0});
  const auto reply = user_inputs_reply(heading, captions, num_inputs);
  state().dialogs.back().answer = reply ? 1 : 0;
  if (reply) copy_text(*reply, retvals_csv, retvals_csv_sz);
  return reply.has_value();
}

void TrackCtl_SetToolTip(const char* fmt, int xpos, int ypos, bool topmost) {
  runner().tooltip = {std::string(text_or_empty(fmt)), xpos, ypos, topmost};
}

}  // namespace kvhost::api
