#pragma once
// The documented form of each registered function, read from the registry
// table's definition strings and the operations' documentation fields.
#include <string>
#include <vector>

#include "lua/definition_parse.hpp"

namespace kv_docs {

struct script_value {
  std::string name;  // as a script writer would call it: colorOut -> color
  std::string c_type;
};

struct documented_function {
  std::string name;  // KV_...
  std::string result;
  std::vector<kvhost::parameter> parameters;
  std::string help;
  std::string description;

  std::string c_signature() const;
  std::vector<script_value> lua_arguments() const;
  std::vector<script_value> lua_results() const;  // the result first, then the outputs
  std::string lua_form() const;                   // local ok, color = reaper.KV_...(track)
};

// Every registered function in registry order; the problems found (a row
// without a description, tables out of step) are appended to problems.
std::vector<documented_function> registered_functions(std::vector<std::string>& problems);

}  // namespace kv_docs
