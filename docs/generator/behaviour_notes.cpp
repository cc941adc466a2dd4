#include "behaviour_notes.hpp"

namespace kv_docs {

const std::vector<behaviour_note>& behaviour_notes() {
  static const std::vector<behaviour_note> notes{
      {"plugin_register", "For extensions (C): REAPER offers scripts no such function."},
      {"realloc_cmd_ptr", "For extensions (C), inside a call that fills a `NeedBig` buffer."},
      {"GetUserInputs",
       "At most 16 fields; 0 or more than 16 return false without a dialog. A cancelled dialog answers false and "
       "the defaults as they were passed."},
      {"ShowMessageBox", "Types 0 to 5; the answer comes from the answers queue."},
  };
  return notes;
}

}  // namespace kv_docs
