#include "loader/functions.hpp"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

#include "api/host_api.hpp"
#include "data/reaper_functions.hpp"
#include "definition.hpp"
#include "model/named_commands.hpp"

namespace kvhost {
namespace {

const std::map<std::string, callable>& host_functions() {
  static const std::map<std::string, callable> table = [] {
    std::map<std::string, callable> functions;
#define KVHOST_CALLABLE(name, ret, params)                                                                 \
  functions[#name] = callable{#name, reinterpret_cast<void*>(&api::name), kv_registry::vararg<&api::name>, \
                              kv_registry::definition<ret params, #params, "">::text.data()};
    KV_HOST_FUNCTIONS(KVHOST_CALLABLE)
    KVHOST_MEDIA_FUNCTIONS(KVHOST_CALLABLE)
    KVHOST_RUNNER_FUNCTIONS(KVHOST_CALLABLE)
    KVHOST_PROJECT_STATE_FUNCTIONS(KVHOST_CALLABLE)
    KVHOST_REAPER_FUNCTIONS(KVHOST_CALLABLE)
    KV_SWS_FUNCTIONS(KVHOST_CALLABLE)
#undef KVHOST_CALLABLE
    return functions;
  }();
  return table;
}

struct registry_state {
  std::vector<registration> log;
  std::map<std::string, callable> registered;
  std::vector<std::string> order;
  std::set<std::string> hidden;
};

// Never destroyed: an extension still loaded at process exit unregisters
// from its own destructor, after ordinary statics are gone.
registry_state& state() {
  static auto* s = new registry_state;
  return *s;
}

bool starts_with(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

void record(const std::string& key, void* value) {
  auto& s = state();
  bool withdraw = starts_with(key, "-");
  std::string bare = withdraw ? key.substr(1) : key;
  static const std::string api = "API_", def = "APIdef_", var = "APIvararg_";
  std::string name;
  if (starts_with(bare, api))
    name = bare.substr(api.size());
  else if (starts_with(bare, def))
    name = bare.substr(def.size());
  else if (starts_with(bare, var))
    name = bare.substr(var.size());
  else
    return;
  if (withdraw) {
    if (s.registered.erase(name)) std::erase(s.order, name);
    return;
  }
  if (!s.registered.count(name)) s.order.push_back(name);
  callable& entry = s.registered[name];
  entry.name = name;
  if (starts_with(bare, api))
    entry.address = value;
  else if (starts_with(bare, def))
    entry.definition = static_cast<const char*>(value);
  else
    entry.vararg = reinterpret_cast<vararg_function>(value);
}

}  // namespace

const std::vector<registration>& registrations() { return state().log; }

void clear_registrations() {
  auto& s = state();
  s.log.clear();
  s.registered.clear();
  s.order.clear();
}

const callable* find_callable(const std::string& name) {
  auto& s = state();
  if (s.hidden.count(name)) return nullptr;
  auto own = host_functions().find(name);
  if (own != host_functions().end()) return &own->second;
  auto ext = s.registered.find(name);
  return ext != s.registered.end() && ext->second.address ? &ext->second : nullptr;
}

void* get_func(const char* name) {
  if (!name) return nullptr;
  const callable* found = find_callable(name);
  return found ? found->address : nullptr;
}

bool is_host_function(const std::string& name) { return host_functions().count(name) && !state().hidden.count(name); }

bool exists_in_reaper(const std::string& name) {
  return find_callable(name) || (is_reaper_function(name) && !state().hidden.count(name));
}

std::vector<std::string> registered_names() { return state().order; }

void hide_function(const std::string& name) { state().hidden.insert(name); }

void hide_sws_functions() {
#define KVHOST_HIDE(name, ret, params) hide_function(#name);
  KV_SWS_FUNCTIONS(KVHOST_HIDE)
#undef KVHOST_HIDE
}
void show_all_functions() { state().hidden.clear(); }

std::vector<const callable*> host_callables() {
  std::vector<const callable*> own;
  for (const auto& [name, function] : host_functions()) own.push_back(&function);
  return own;
}

}  // namespace kvhost

int kvhost::api::plugin_register(const char* name, void* infostruct) {
  if (!name) return 0;
  state().log.push_back({name, infostruct});
  if (std::string_view(name) == "command_id")
    return infostruct ? model::register_command(static_cast<const char*>(infostruct)) : 0;
  record(name, infostruct);
  return 1;
}
