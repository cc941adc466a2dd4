#include "entry/plugin.hpp"

#include "binding/registered/list_transport.hpp"

#include "entry/host_import.hpp"
#include "entry/messages.hpp"
#include "entry/registry.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {

reaper_plugin_info_t* reaper_plugin = nullptr;
bool imported = false;

void* lookup_function(const char* name) {
  return reaper_plugin && reaper_plugin->GetFunc ? reaper_plugin->GetFunc(name) : nullptr;
}

namespace {

void import_host_functions(reaper_plugin_info_t* record) {
  const auto& table = host::host_import_table;
  for (int i = 0; i < table.count; ++i)
    table.slots[i]->resolve(record->GetFunc ? record->GetFunc(table.slots[i]->name()) : nullptr);
}

// The script functions, then the list functions the module's Lua file calls.
const api_table* const registered_tables[] = {&api_define_list, &list_transport_table};

void register_all(bool withdraw) {
  if (!host::plugin_register) return;
  for (const api_table* table : registered_tables) {
    for (int i = 0; i < table->count; ++i) {
      const api_record& row = table->records[i];
      void* definition = const_cast<char*>(row.definition);
      void* vararg = reinterpret_cast<void*>(row.vararg);
      host::plugin_register(withdraw ? row.unregister_api_key : row.api_key, row.function);
      host::plugin_register(withdraw ? row.unregister_definition_key : row.definition_key, definition);
      host::plugin_register(withdraw ? row.unregister_vararg_key : row.vararg_key, vararg);
    }
  }
}

int load(reaper_plugin_info_t* record) {
  message_util::set_localize();
  imported = true;
  import_host_functions(record);
  reaper_plugin = record;
  register_all(false);
  return 1;
}

int unload() {
  if (imported) {
    register_all(true);
    reaper_plugin = nullptr;
  }
  return 0;
}

}  // namespace
}  // namespace KV_COBALT

int ReaperPluginEntry(void* /*hInstance*/, reaper_plugin_info_t* rec) {
  try {
    return rec ? KV_COBALT::load(rec) : KV_COBALT::unload();
  } catch (...) {
    return 0;
  }
}

void get_version(char* buffer, int size) { kv_utility::strcpy(buffer, size, kv_app_def::VERSION); }
