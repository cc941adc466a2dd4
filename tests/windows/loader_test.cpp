// Loads the Windows extension as REAPER does, registers, makes REAPER-style
// vararg calls of the file functions with UTF-8 names, asks about SWS as a
// host without it, and unloads.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "host_types.hpp"

namespace {

std::map<std::string, void*> registered;
int passed = 0, failed = 0;

int register_name(const char* name, void* info) {
  registered[name] = info;
  return 1;
}

// The host's dialogs: each question kept, answered with `answer` when it is Yes/No.
struct dialog {
  std::string text, title;
  int type;
};
std::vector<dialog> dialogs;
int answer = 7;

int show_message_box(const char* text, const char* title, int type) {
  dialogs.push_back({text ? text : "", title ? title : "", type});
  return type == 4 ? answer : 1;
}

// One item in one project, all an item operation needs before it looks for SWS.
int project_object = 0, item_object = 0;

void* item_handle() { return &item_object; }

double item_info(MediaItem* item, const char* name) {
  const bool project = item == item_handle() && std::string(name) == "P_PROJECT";
  return project ? static_cast<double>(reinterpret_cast<std::uintptr_t>(&project_object)) : 0;
}

bool validate(ReaProject* project, void* pointer, const char* type) {
  return static_cast<void*>(project) == &project_object && pointer == item_handle() &&
         std::string(type) == "MediaItem*";
}

// REAPER without the SWS extension: its names find nothing.
std::vector<std::string> lookups;

void* get_function(const char* name) {
  lookups.push_back(name);
  static const std::map<std::string, void*> functions{{"plugin_register", reinterpret_cast<void*>(&register_name)},
                                                      {"ShowMessageBox", reinterpret_cast<void*>(&show_message_box)},
                                                      {"GetMediaItemInfo_Value", reinterpret_cast<void*>(&item_info)},
                                                      {"ValidatePtr2", reinterpret_cast<void*>(&validate)}};
  const auto found = functions.find(name);
  return found == functions.end() ? nullptr : found->second;
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

std::vector<std::string> names_in(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(utf8(entry.path().filename()));
  std::sort(names.begin(), names.end());
  return names;
}

std::uint32_t read_u32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  if (at + sizeof value <= bytes.size()) std::memcpy(&value, bytes.data() + at, sizeof value);
  return value;
}

// The texts of a list as the registered list functions give it to the
// module's Lua file without a growing buffer: "E", then the bytes with
// 0x01 0x02 for NUL and 0x01 0x01 for 0x01; the bytes are the reader chunk and
// the texts, each behind its 32-bit length.
std::vector<std::string> list_texts(const char* buffer) {
  std::vector<std::string> texts;
  if (buffer[0] != 'E') return texts;
  std::string bytes;
  for (const char* c = buffer + 1; *c; ++c) bytes += *c == '\1' ? (*++c == '\2' ? '\0' : '\1') : *c;
  for (std::size_t at = 4 + read_u32(bytes, 0); at + 4 <= bytes.size();) {
    const std::uint32_t length = read_u32(bytes, at);
    texts.push_back(bytes.substr(at + 4, length));
    at += 4 + length;
  }
  std::sort(texts.begin(), texts.end());
  return texts;
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

  // A name without extension, written three times in mode 1 into a folder the
  // first call makes: the numbered names are those on disk, with no trailing
  // dot, also where a \\?\ name would keep one.
  const auto numbered = [](const fs::path& notes, const std::string& directory, const std::string& filename) {
    bool written = true;
    for (const char* version : {"first", "second", "third"})
      written = written && call("WriteFile", {text(directory), text(filename), text(version),
                                              reinterpret_cast<void*>(std::intptr_t{1})}) != nullptr;
    return written && names_in(notes) == std::vector<std::string>{"notes", "notes(1)", "notes(2)"} &&
           contents(notes / "notes") == "first" && contents(notes / "notes(1)") == "second" &&
           contents(notes / "notes(2)") == "third";
  };
  check(numbered(folder / u8"メモ", utf8(folder / u8"メモ"), "notes"),
        "WriteFile mode 1 numbers 'notes' as notes(1), notes(2), keeping each");
  check(numbered(folder / "raw", "", "\\\\?\\" + utf8(folder / "raw" / "notes")), "the same through a \\\\?\\ name");

  const fs::path sound = folder / u8"素材";
  fs::create_directories(sound / u8"歌声");
  fs::create_directories(sound / u8"フォルダ.wav");
  for (const fs::path& file : {sound / u8"歌.wav", sound / u8"歌声" / u8"声.WAV", sound / u8"メモ.txt"})
    std::ofstream(file, std::ios::binary) << "x";
  static char list[1 << 16];
  int list_id = 0, handles = -1, size = 0;
  const bool listed = call("COBALT_GetFilePathList", {text(utf8(sound)), text("wav"), &list_id, &handles, &size, list,
                                                      reinterpret_cast<void*>(std::intptr_t{sizeof list})}) != nullptr;
  std::vector<std::string> wanted{utf8(sound / u8"歌.wav"), utf8(sound / u8"歌声" / u8"声.WAV"),
                                  utf8(sound / u8"フォルダ.wav")};
  std::sort(wanted.begin(), wanted.end());
  check(listed && list_id > 0 && handles == 0 && size < static_cast<int>(sizeof list) && list_texts(list) == wanted,
        "GetFilePathList gives Japanese names as UTF-8 full paths");

  char made[512] = {};
  check(call("SetPathFolder", {text(utf8(folder)), text(utf8(fs::path(u8"録音"))), nullptr, made,
                               reinterpret_cast<void*>(std::intptr_t{sizeof made})}) != nullptr &&
            std::string(made) == utf8(folder / u8"録音") && fs::is_directory(folder / u8"録音"),
        "SetPathFolder makes a folder with a Japanese name");

  // The SWS question, in the host's own dialog; "No" opens nothing and fails the call.
  lookups.clear();
  const auto envelopes_off = [] { return call("SetMediaItemEnvelopeAllOFF", {item_handle()}); };
  check(registered.count("APIvararg_KV_SetMediaItemEnvelopeAllOFF") && envelopes_off() == nullptr &&
            envelopes_off() == nullptr,
        "an SWS operation without SWS returns false");
  check(dialogs.size() == 2 && dialogs[0].type == 4 && dialogs[0].title == "KELVARO_COBALT" &&
            dialogs[0].text.find("KV_SetMediaItemEnvelopeAllOFF") != std::string::npos &&
            dialogs[0].text.find("https://www.sws-extension.org/") != std::string::npos &&
            dialogs[1].text == dialogs[0].text,
        "each call asks a Yes/No question naming the function and the SWS page");
  check(lookups == std::vector<std::string>{"BR_EnvAlloc", "BR_EnvAlloc"},
        "the SWS lookup stops at the first missing function");

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
