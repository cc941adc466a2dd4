#pragma once
// Loading an extension the way the host does: dlopen (LoadLibrary on
// Windows), then its entry with the host's information record; unloading
// calls the entry with null.
#include <string>

#include "host_types.hpp"

namespace kvhost {

// The path of the extension built with this host.
std::string default_extension_path();

// The information record the host hands to an extension's entry; also for
// library code linked into the same program, which is then run as if loaded.
reaper_plugin_info_t* host_record();

class extension {
 public:
  // Throws std::runtime_error with the loader's reason when the file cannot be loaded.
  explicit extension(const std::string& path = default_extension_path());
  ~extension();
  extension(const extension&) = delete;
  extension& operator=(const extension&) = delete;

  int load_result() const { return load_result_; }
  const std::string& path() const { return path_; }
  // Calls the entry with null; returns its result. Later calls return 0.
  int unload();
  // An exported symbol of the extension, or null.
  void* symbol(const char* name) const;
  // How many exceptions the extension has stopped at its boundary, each turned
  // into a failure result, and the last as "KV_Name: what"; 0 and empty when
  // it keeps no such record.
  int stopped_exceptions(std::string* last = nullptr) const;
  // The last one when one was stopped since the previous question (or load).
  bool new_stopped_exception(std::string& last);

 private:
  std::string path_;
  void* handle_ = nullptr;
  int (*entry_)(void*, void*) = nullptr;
  int (*last_exception_)(char*, int) = nullptr;
  int exceptions_seen_ = 0;
  int load_result_ = 0;
  bool running_ = false;
};

}  // namespace kvhost

namespace kvhost {

// The one extension a script session runs with.
// Loads it (unloading any previous one); throws std::runtime_error on failure.
extension& load_extension(const std::string& path = default_extension_path());
// Unloads and forgets it; returns the entry's result, 0 when none was loaded.
int unload_extension();
extension* loaded_extension();

// With tracing on, report_stopped_exception, called after each script call,
// writes to stderr the exception the loaded extension stopped in it, if any.
void trace_stopped_exceptions(bool on);
bool tracing_stopped_exceptions();
void report_stopped_exception();

// REAPER's resource folder holds UserPlugins with the extensions it loads;
// this links the loaded extension, and its Lua file, Python wrapper and
// kv_cobalt package beside it, into the UserPlugins of resource_folder, so
// scripts find them as they do in REAPER.
void link_user_plugins(const std::string& resource_folder);

}  // namespace kvhost
