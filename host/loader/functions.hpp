#pragma once
// The functions the simulated host offers by name: its own, and those an
// extension registered. Each comes with a definition string and a vararg
// wrapper, so one marshaller calls both kinds from scripts.
#include <string>
#include <vector>

#include "host_types.hpp"

namespace kvhost {

struct callable {
  std::string name;
  void* address = nullptr;
  vararg_function vararg = nullptr;
  const char* definition = nullptr;  // four NUL-terminated fields
};

struct registration {
  std::string key;
  void* value;
};

// Every plugin_register call so far, in order.
const std::vector<registration>& registrations();
void clear_registrations();

// GetFunc: a host function, else a function an extension registered; null
// when unknown or hidden.
void* get_func(const char* name);

// A host function or registered script function with what scripts need to call it.
const callable* find_callable(const std::string& name);

// One of the host's own functions (not an extension's), not hidden.
bool is_host_function(const std::string& name);

// The name exists for scripts as in REAPER: the host offers it, or it is one
// of REAPER's own functions (which the host may not simulate) not hidden.
bool exists_in_reaper(const std::string& name);

// Names of the registered script functions, in registration order.
std::vector<std::string> registered_names();

// Hides a name from get_func and scripts, as if the host lacked it.
void hide_function(const std::string& name);
// Hides every SWS function: the host runs as if SWS were not installed.
void hide_sws_functions();
void show_all_functions();

// The host's own functions (SWS's included), by name, hidden or not: what the
// reference of what kvhost offers is written from.
std::vector<const callable*> host_callables();

}  // namespace kvhost
