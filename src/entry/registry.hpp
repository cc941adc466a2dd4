#pragma once
// The table of every script function the library registers with the host.
#include "host_types.hpp"

namespace KV_COBALT {

struct api_record {
  void* function;
  vararg_function vararg;
  const char* definition;
  const char* api_key;
  const char* definition_key;
  const char* vararg_key;
  const char* unregister_api_key;
  const char* unregister_definition_key;
  const char* unregister_vararg_key;
};

struct api_table {
  const api_record* records;
  int count;
};

extern const api_table api_define_list;

}  // namespace KV_COBALT
