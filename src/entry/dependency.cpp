#include "entry/dependency.hpp"

#ifdef _WIN32
#include "utility/windows_api.hpp"
// windows_api.hpp first: shellapi.h needs its types.
#include <shellapi.h>
#endif

#include "entry/host_import.hpp"
#include "entry/messages.hpp"
#include "utility/utility.hpp"

namespace dependency_manager {

void assert_not_installed(const char* functionName, const char* /*productName*/, third_plugin plugin) {
  if (plugin != SWS || !kv_app::message_list) return;
  const kv_app::message& catalogue = *kv_app::message_list;
  std::string text = kv_utility::format(catalogue.MSG_DEPENDENCY_ERROR(), functionName ? functionName : "",
                                        catalogue.SWS_PROGRAM_NAME(), catalogue.URL_SWS());
  if (!KV_COBALT::host::ShowMessageBox) return;
  constexpr int yes_no = 4, yes = 6;
  if (KV_COBALT::host::ShowMessageBox(text.c_str(), catalogue.ERROR_TITLE(), yes_no) == yes)
    open_url(catalogue.URL_SWS());
}

#ifndef _WIN32
std::string open_command(const char* url) {
#ifdef __APPLE__
  const char* opener = "open %s";
#else
  const char* opener = "xdg-open %s";
#endif
  return kv_utility::format(opener, kv_utility::shell_quote(url ? url : "").c_str());
}
#endif

namespace {

void system_open_url(const char* url) {
#ifdef _WIN32
  // The system's handler for the address, with no console window; the path
  // helper only turns UTF-8 into wide text.
  const std::wstring address = kv_utility::path_from_utf8(url ? url : "").wstring();
  ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
#else
  kv_utility::exec_command(open_command(url));
#endif
}

url_opener current_opener = &system_open_url;

}  // namespace

void open_url(const char* url) { current_opener(url); }

void set_url_opener(url_opener replacement) { current_opener = replacement ? replacement : &system_open_url; }

}  // namespace dependency_manager
