#pragma once
// Load and unload of the extension by the host.
#include "host_types.hpp"

#define KV_EXPORT extern "C" __attribute__((visibility("default")))

namespace KV_COBALT {

// The host's information record while the extension runs; null otherwise.
extern reaper_plugin_info_t* reaper_plugin;
// Set once the host functions have been imported; unload withdraws only then.
extern bool imported;

// A function of the host or of another extension, looked up now through the
// kept record; null when the extension is not running or nobody provides it.
void* lookup_function(const char* name);

}  // namespace KV_COBALT

KV_EXPORT int ReaperPluginEntry(void* hInstance, reaper_plugin_info_t* rec);
KV_EXPORT void get_version(char* buffer, int size);
