// Loads the Windows extension as REAPER does, registers, makes REAPER-style
// vararg calls of the file functions with UTF-8 names, and unloads.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "host_types.hpp"

namespace {

std::map<std::string, void*> registered;
int passed = 0, failed = 0;

int register_name(const char* name, void* info) {
  registered[name] = info;
  return 1;
}

void* get_function(const char* name) {
  return std::string(name) == "plugin_register" ? reinterpret_cast<void*>(&register_name) : nullptr;
}

void check(bool ok, const char* what) {
  ++(ok ? passed : failed);
  std::printf("%s %s\n", ok ? "ok  " : "FAIL", what);
}

int count(const std::string& prefix) {
  int n = 0;
  for (const auto& [name, info] : registered) n += name.rfind(prefix, 0) == 0 && info != nullptr;
  return n;
}

void* call(const char* name, std::initializer_list<void*> arguments) {
  const auto found = registered.find(std::string("APIvararg_KV_") + name);
  if (found == registered.end()) return nullptr;
  void* list[8] = {};
  int n = 0;
  for (void* argument : arguments) list[n++] = argument;
  return reinterpret_cast<vararg_function>(found->second)(list, n);
}

void* text(const std::string& value) { return const_cast<char*>(value.c_str()); }

std::string utf8(const std::filesystem::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

std::string contents(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream read;
  read << file.rdbuf();
  return read.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / u8"kv_ローダー";
  fs::remove_all(folder);
  fs::create_directories(folder);

  HMODULE library = LoadLibraryA(argv[1]);
  check(library != nullptr, "the DLL loads");
  if (!library) return 1;
  using entry_function = int (*)(HINSTANCE, reaper_plugin_info_t*);
  const auto entry =
      reinterpret_cast<entry_function>(reinterpret_cast<void*>(GetProcAddress(library, "ReaperPluginEntry")));
  check(entry != nullptr, "ReaperPluginEntry is exported");
  if (!entry) return 1;
  reaper_plugin_info_t info{0x20E, nullptr, &register_name, &get_function};
  check(entry(library, &info) == 1, "it registers");
  const int functions = count("API_KV_");
  check(functions > 0 && count("APIdef_KV_") == functions && count("APIvararg_KV_") == functions,
        "each function with its definition and vararg form");

  const std::string name = utf8(folder / u8"日本語.txt");
  const std::string base = utf8(folder), leaf = utf8(fs::path(u8"日本語.txt"));
  check(call("WriteFile", {text(base), text(leaf), text("テキスト"), nullptr}) != nullptr,
        "WriteFile with a UTF-8 name");
  check(contents(folder / u8"日本語.txt") == "テキスト", "the file has that name on disk");
  char buffer[64] = {};
  // Every line it gives ends with a line feed, the last one too.
  check(call("ReadFile", {text(base), text(leaf), buffer, reinterpret_cast<void*>(std::intptr_t{sizeof buffer})}) &&
            std::string(buffer) == "テキスト\n",
        "ReadFile reads it back");

  const std::string copy = utf8(folder / u8"コピー.txt");
  check(call("SetCopyFile", {text(name), text(copy)}) != nullptr, "SetCopyFile to a new UTF-8 name");
  std::ofstream(folder / u8"日本語.txt", std::ios::binary) << "new";
  check(call("SetCopyFile", {text(name), text(copy)}) != nullptr && contents(folder / u8"コピー.txt") == "new",
        "SetCopyFile over an existing file");

  const std::string device_name = "\\\\?\\" + utf8(folder / "device.txt");
  check(call("WriteFile", {text("C:\\elsewhere"), text(device_name), text("x"), nullptr}) != nullptr &&
            fs::exists(folder / "device.txt"),
        "a \\\\?\\ name stands alone");

  // The same folder spelled in another letter case is still the same folder.
  fs::create_directories(folder / "Source");
  check(call("SetCopyFile", {text(utf8(folder / "Source")), text(utf8(folder / "SOURCE" / "inner"))}) == nullptr &&
            !fs::exists(folder / "Source" / "inner"),
        "a folder copy into itself in another letter case is refused");

  int drawn = 0;
  check(call("GetRandomNumInteger", {reinterpret_cast<void*>(std::intptr_t{5}),
                                     reinterpret_cast<void*>(std::intptr_t{9}), &drawn}) != nullptr &&
            drawn >= 5 && drawn <= 9,
        "a random number from the system's source");

  check(entry(library, nullptr) == 0 && count("-APIvararg_KV_") == functions, "it withdraws on unload");
  check(FreeLibrary(library) != 0, "the DLL unloads");
  fs::remove_all(folder);
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
