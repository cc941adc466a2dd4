// Dialogs answer from the queues the tests fill, and are logged; so is the console.
#include <cstdio>
#include <string_view>

#include "api/host_api.hpp"
#include "model/state.hpp"
#include "model/text.hpp"

namespace kvhost::api {
using namespace kvhost::model;
namespace {

constexpr int max_inputs = 16;

// What a user dismissing the box without choosing answers.
int default_answer(int type) {
  switch (type) {
    case 3:
      return 2;  // Cancel
    case 4:
      return 7;  // No
    default:
      return 1;  // OK
  }
}

}  // namespace

void ShowConsoleMsg(const char* msg) {
  const std::string_view text = text_or_empty(msg);
  state().console += text;
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

int ShowMessageBox(const char* msg, const char* title, int type) {
  auto& host = state();
  int answer = default_answer(type);
  if (!host.message_box_answers.empty()) {
    answer = host.message_box_answers.front();
    host.message_box_answers.pop_front();
  }
  host.dialogs.push_back(
      {"message", std::string(text_or_empty(title)), std::string(text_or_empty(msg)), "", type, 0, answer});
  return answer;
}

bool GetUserInputs(const char* title, int num_inputs, const char* captions_csv, char* retvals_csv, int retvals_csv_sz) {
  if (num_inputs < 1 || num_inputs > max_inputs || !retvals_csv || retvals_csv_sz <= 0) return false;
  auto& host = state();
  user_inputs_answer answer;
  if (!host.user_inputs_answers.empty()) {
    answer = std::move(host.user_inputs_answers.front());
    host.user_inputs_answers.pop_front();
  }
  host.dialogs.push_back({"inputs", std::string(text_or_empty(title)), std::string(text_or_empty(captions_csv)),
                          std::string(read_text(retvals_csv, retvals_csv_sz)), 0, num_inputs, answer.ok ? 1 : 0});
  if (answer.ok) copy_text(answer.csv, retvals_csv, retvals_csv_sz);
  return answer.ok;
}

}  // namespace kvhost::api
