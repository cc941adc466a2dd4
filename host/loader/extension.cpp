#include "loader/extension.hpp"

#ifdef _WIN32
#include "utility/windows_api.hpp"
#else
#include <dlfcn.h>
#endif

#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "api/host_api.hpp"
#include "loader/beside_program.hpp"
#include "loader/functions.hpp"

namespace kvhost {
namespace {

void* host_get_func(const char* name) { return get_func(name); }

reaper_plugin_info_t record{0x20E, nullptr, &api::plugin_register, &host_get_func};

#ifdef _WIN32
void* open_library(const std::string& path) { return LoadLibraryA(path.c_str()); }
void* library_symbol(void* handle, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}
void close_library(void* handle) { FreeLibrary(static_cast<HMODULE>(handle)); }
std::string library_error() { return "Windows error " + std::to_string(GetLastError()); }
#else
void* open_library(const std::string& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }
void* library_symbol(void* handle, const char* name) { return dlsym(handle, name); }
void close_library(void* handle) { dlclose(handle); }
std::string library_error() { return dlerror(); }
#endif

}  // namespace

reaper_plugin_info_t* host_record() { return &record; }

std::string default_extension_path() {
#ifdef KV_EXTENSION_PATH
  return beside_program(KV_EXTENSION_PATH);
#else
  return "reaper_KELVARO_COBALT.so";
#endif
}

extension::extension(const std::string& path) : path_(path) {
  handle_ = open_library(path);
  if (!handle_) throw std::runtime_error("cannot load extension: " + library_error());
  entry_ = reinterpret_cast<int (*)(void*, void*)>(library_symbol(handle_, "ReaperPluginEntry"));
  if (!entry_) {
    close_library(handle_);
    throw std::runtime_error("not an extension (no ReaperPluginEntry): " + path);
  }
  last_exception_ = reinterpret_cast<int (*)(char*, int)>(library_symbol(handle_, "kv_last_exception"));
  exceptions_seen_ = stopped_exceptions();
  load_result_ = entry_(handle_, host_record());
  running_ = true;
}

int extension::unload() {
  if (!running_) return 0;
  running_ = false;
  return entry_(nullptr, nullptr);
}

extension::~extension() {
  unload();
  close_library(handle_);
}

void* extension::symbol(const char* name) const { return library_symbol(handle_, name); }

int extension::stopped_exceptions(std::string* last) const {
  if (!last_exception_) return 0;
  char text[1024];
  const int count = last_exception_(text, sizeof text);
  if (last) *last = text;
  return count;
}

bool extension::new_stopped_exception(std::string& last) {
  const int count = stopped_exceptions(&last);
  if (count == exceptions_seen_) return false;
  exceptions_seen_ = count;
  return true;
}

}  // namespace kvhost

namespace kvhost {
namespace {
std::unique_ptr<extension>& session_extension() {
  static std::unique_ptr<extension> current;
  return current;
}
}  // namespace

extension& load_extension(const std::string& path) {
  session_extension().reset();
  session_extension() = std::make_unique<extension>(path);
  return *session_extension();
}

int unload_extension() {
  auto& current = session_extension();
  if (!current) return 0;
  int result = current->unload();
  current.reset();
  return result;
}

extension* loaded_extension() { return session_extension().get(); }

namespace {
bool tracing = false;
}  // namespace

void trace_stopped_exceptions(bool on) { tracing = on; }
bool tracing_stopped_exceptions() { return tracing; }

void report_stopped_exception() {
  std::string last;
  if (tracing && loaded_extension() && loaded_extension()->new_stopped_exception(last))
    std::fprintf(stderr, "kvhost: exception turned into a failure result: %s\n", last.c_str());
}

void link_user_plugins(const std::string& resource_folder) {
  namespace fs = std::filesystem;
  const extension* loaded = loaded_extension();
  if (!loaded) return;
  std::error_code ignored;
  const fs::path plugins = fs::path(resource_folder) / "UserPlugins";
  fs::create_directories(plugins, ignored);
  const fs::path library = fs::absolute(loaded->path(), ignored);
  const fs::path python_module = library.parent_path() / (library.stem().string() + "_python.py");
  // The kv_cobalt package, where it lies beside the library as ReaPack installs it.
  const fs::path package = library.parent_path() / "kv_cobalt";
  for (const fs::path& file : {library, fs::path(library).replace_extension(".lua"), python_module, package}) {
    const fs::path link = plugins / file.filename();
    if (!fs::exists(file, ignored) || fs::read_symlink(link, ignored) == file) continue;
    fs::remove(link, ignored);
    fs::create_symlink(file, link, ignored);
  }
}

}  // namespace kvhost
