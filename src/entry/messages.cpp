#include "entry/messages.hpp"

#include "entry/user_locale.hpp"

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

void set_localize() {
  if (KV_COBALT::user_locale::word() == "ja_JP")
    kv_app::message_list = std::make_unique<kv_app::message_jp>();
  else
    kv_app::message_list = std::make_unique<kv_app::message_en>();
}

}  // namespace message_util
