#include "entry/messages.hpp"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <algorithm>
#include <filesystem>

#include "utility/utility.hpp"
#include "utility/windows_api.hpp"
#endif

namespace kv_app {

std::unique_ptr<message> message_list;

const char* message::URL_SWS() const { return "https://www.sws-extension.org/"; }
const char* message::SWS_PROGRAM_NAME() const { return "SWS/S&M Extension"; }

const char* message_en::ERROR_TITLE() const { return "KELVARO_COBALT"; }
const char* message_en::MSG_DEPENDENCY_ERROR() const {
  return "To use %s, you need to install %s.\nPlease refer to the URL below for details.\n\n%s\n\n"
         "Would you like to open the URL?";
}

const char* message_en::MSG_LUA_NOT_EXPORTED() const {
  return "reaper_KELVARO_COBALT: this Lua keeps its C API to itself, so the library cannot open as a Lua C "
         "module here.\nPut the UserPlugins folder on package.path as well as package.cpath, and require "
         "\"reaper_KELVARO_COBALT\" again: the Lua file beside the library gives the same functions.\n"
         "  package.path = reaper.GetResourcePath() .. \"/UserPlugins/?.lua;\" .. package.path\n";
}

const char* message_jp::ERROR_TITLE() const { return "KELVARO_COBALT"; }
const char* message_jp::MSG_DEPENDENCY_ERROR() const {
  return "%sを使用するためには%sのインストールが必要です。\n詳細は下記URLを参照ください。\n\n%s\n\nURLを開きますか？";
}

const char* message_jp::MSG_LUA_NOT_EXPORTED() const {
  return "reaper_KELVARO_COBALT: このLuaはC APIを公開していないため、ライブラリをLuaのCモジュールとして"
         "開けません。\npackage.cpathに加えてpackage.pathにもUserPluginsフォルダを追加し、もう一度"
         "\"reaper_KELVARO_COBALT\"をrequireしてください。ライブラリの隣のLuaファイルが同じ関数を提供します。\n"
         "  package.path = reaper.GetResourcePath() .. \"/UserPlugins/?.lua;\" .. package.path\n";
}

}  // namespace kv_app

namespace message_util {

std::string locale_word() {
#ifdef _WIN32
  // "ja-JP" from the user's settings; the environment is not where Windows keeps it.
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  if (GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) <= 0) return "";
  std::string word = kv_utility::utf8_from_path(std::filesystem::path(name));
  std::replace(word.begin(), word.end(), '-', '_');
  return word;
#elif defined(__APPLE__)
  std::string word;
  if (FILE* pipe = popen("defaults read -g AppleLocale", "r")) {
    char buffer[16] = {};
    if (std::fscanf(pipe, "%15s", buffer) == 1) word = buffer;
    pclose(pipe);
  }
  return word;
#else
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) {
      std::string word(value);
      return word.substr(0, word.find_first_of(".@"));
    }
  }
  return "";
#endif
}

void set_localize() {
  if (locale_word() == "ja_JP")
    kv_app::message_list = std::make_unique<kv_app::message_jp>();
  else
    kv_app::message_list = std::make_unique<kv_app::message_en>();
}

}  // namespace message_util
