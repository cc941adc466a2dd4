#pragma once
// The SWS extension's functions as the library holds them: one process-wide
// slot each, filled by name when an operation that needs them runs.
#include <initializer_list>

#include "entry/dependency.hpp"
#include "entry/host_import.hpp"
#include "entry/sws_functions.hpp"

namespace KV_COBALT::sws {

#define KV_SWS_SLOT(name, ret, params) extern host::function<sws_signature::name> name;
KV_SWS_FUNCTIONS(KV_SWS_SLOT)
#undef KV_SWS_SLOT

// Looks the functions up now through the host, in the order given; throws
// dependency_manager::function_unload_exception at the first one missing,
// without looking up the rest.
void look_up(std::initializer_list<host::slot*> functions);

// Runs body once the functions are found. When one is missing nothing is
// run: the user is asked about the SWS extension in a dialog naming caller,
// the function the script called, and the result is false.
template <class Body>
bool with(const char* caller, std::initializer_list<host::slot*> functions, Body&& body) {
  try {
    look_up(functions);
  } catch (const dependency_manager::function_unload_exception&) {
    dependency_manager::assert_not_installed(caller, "KELVARO_COBALT", dependency_manager::SWS);
    return false;
  }
  return body();
}

}  // namespace KV_COBALT::sws
