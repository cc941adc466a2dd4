#pragma once
// A minimal stand-in for the host's side of the entry: records registrations
// and answers dialogs, so the spine can be tested without the simulated host.
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "entry/dependency.hpp"
#include "entry/host_types.hpp"
#include "entry/user_locale.hpp"

namespace fake_host {

struct call {
  std::string key;
  void* value;
};

inline std::vector<call> registrations;
inline std::map<std::string, void*> functions;
inline std::vector<std::string> messages, titles;
inline int message_box_answer = 7;

inline int plugin_register(const char* name, void* value) {
  registrations.push_back({name, value});
  return 1;
}

inline int ShowMessageBox(const char* msg, const char* title, int type) {
  messages.push_back(msg);
  titles.push_back(title);
  return type == 4 ? message_box_answer : 1;
}

inline void* GetFunc(const char* name) {
  auto found = functions.find(name);
  return found == functions.end() ? nullptr : found->second;
}

inline reaper_plugin_info_t record{0x20E, nullptr, &plugin_register, &GetFunc};

inline void install() {
  registrations.clear();
  messages.clear();
  titles.clear();
  message_box_answer = 7;
  functions = {{"plugin_register", reinterpret_cast<void*>(&plugin_register)},
               {"ShowMessageBox", reinterpret_cast<void*>(&ShowMessageBox)}};
}

// The user's locale and browser while one lives: the locale word is
// locale_word, and each address the library would open lands in opened.
inline std::string locale_word;
inline std::vector<std::string> opened;

struct system_stand_ins {
  explicit system_stand_ins(const char* word) {
    locale_word = word;
    opened.clear();
    KV_COBALT::user_locale::set_source([] { return locale_word; });
    dependency_manager::set_url_opener([](const char* url) { opened.push_back(url); });
  }
  ~system_stand_ins() {
    KV_COBALT::user_locale::set_source(nullptr);
    dependency_manager::set_url_opener(nullptr);
  }
  system_stand_ins(const system_stand_ins&) = delete;
  system_stand_ins& operator=(const system_stand_ins&) = delete;
};

}  // namespace fake_host
