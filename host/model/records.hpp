#pragma once
// What the simulated host remembers of the calls it received, for tests.
#include <string>
#include <vector>

#include "host_types.hpp"

namespace kvhost {

struct dialog_record {
  std::string kind;  // "message" (ShowMessageBox) or "inputs" (GetUserInputs)
  std::string title;
  std::string text;    // the message, or the comma-separated captions
  std::string values;  // inputs: the comma-separated initial values
  int type = 0;        // message: the box type
  int inputs = 0;      // inputs: the number of fields
  int answer = 0;      // message: the button; inputs: 1 for OK, 0 for cancel
};

struct command_record {
  int command = 0;
  int flag = 0;
  ReaProject* project = nullptr;           // never null: a null argument is the current project
  std::vector<MediaItem*> selected_items;  // the project's item selection when it ran
};

}  // namespace kvhost
