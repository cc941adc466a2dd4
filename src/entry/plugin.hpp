#pragma once
// Load and unload of the extension by the host.
#include "host_types.hpp"

#ifdef _WIN32
#define KV_EXPORT extern "C" __declspec(dllexport)
#else
#define KV_EXPORT extern "C" __attribute__((visibility("default")))
#endif

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
// For hosts and tests, not scripts: the last exception a registered function
// turned into its failure result, as "KV_Name: what" (empty before the first),
// cut to size; returns how many were turned so since the library was loaded, modulo 2^31, so a
// caller comparing counts sees each new one.
KV_EXPORT int kv_last_exception(char* buffer, int size);
