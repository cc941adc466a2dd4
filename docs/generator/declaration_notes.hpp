#pragma once
// The notes written beside the host's declarations: the comment lines right
// above a function's X(...) entry in a list of host functions, or above an
// action's {ID, ...} entry in the action table, are that function's or that
// action's note. There the code says what kvhost chose where REAPER's own
// behaviour is not established.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kv_docs {

struct declarations {
  std::vector<std::string> names;            // every function and command ID declared
  std::map<std::string, std::string> notes;  // name or command ID -> note
};

// From every *_functions.hpp under host/api and src/entry, and from
// host/api/action_table.cpp.
declarations read_declarations(const std::filesystem::path& root);

}  // namespace kv_docs
