#pragma once
// What happens when a function of another extension is missing.
#include <stdexcept>

namespace dependency_manager {

struct function_unload_exception : std::runtime_error {
  using std::runtime_error::runtime_error;
};

enum third_plugin { SWS = 0 };

// Asks the user, in the current language, whether to open the download page
// of the missing extension; opens it on Yes.
void assert_not_installed(const char* functionName, const char* productName, third_plugin plugin);

// Opens the address in the user's default browser.
void open_url(const char* url);

}  // namespace dependency_manager
