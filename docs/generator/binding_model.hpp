#pragma once
// The documented forms of the Lua module's list functions and the C
// interface for Python, read from the bindings' declaration tables.
#include <string>
#include <vector>

#include "lua/definition_parse.hpp"

namespace kv_docs {

// One list function: the Lua function "KV_<name>" of the module and the
// export "py_<name>".
struct documented_list_function {
  std::string name;                           // without prefix
  std::vector<kvhost::parameter> parameters;  // of the py_ export: inputs, handleOut, [countOut]
  std::string element;                        // what the list holds: MediaTrack, TrackDetail, kv_Peak, string
  bool counted = false;
  std::string description;

  std::vector<kvhost::parameter> inputs() const;  // what a Lua caller passes
  std::string lua_form() const;                   // local ok, list = KV_COBALT.KV_...(projID)
  std::string c_signature() const;                // bool py_...(...)
};

// One pool function of the C interface for Python.
struct documented_pool_function {
  std::string result;
  std::string name;
  std::vector<kvhost::parameter> parameters;
  std::string description;

  std::string c_signature() const;
};

// "(ReaProject * projID, int trackID)" as its parameters, types spaced as C++ writes them.
std::vector<kvhost::parameter> parse_parameters(const std::string& declared);

std::vector<documented_list_function> list_functions();
std::vector<documented_pool_function> pool_functions();

}  // namespace kv_docs
