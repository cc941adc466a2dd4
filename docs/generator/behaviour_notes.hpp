#pragma once
// What kvhost chose where REAPER's own behaviour is not established, one note
// per function or action (by name, or by command ID), for the reference of
// docs/testing-scripts.md.
#include <string_view>
#include <vector>

namespace kv_docs {

struct behaviour_note {
  std::string_view subject;  // a function's name, or an action's command ID
  std::string_view note;     // Markdown
};

const std::vector<behaviour_note>& behaviour_notes();

}  // namespace kv_docs
