#pragma once
// What happens when a function of another extension is missing.
#include <stdexcept>
#include <string>

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

// Tests replace what opens the address, so that no browser starts; a null
// opener goes back to the system's. Not registered for scripts.
using url_opener = void (*)(const char* url);
void set_url_opener(url_opener replacement);

#ifndef _WIN32
// The shell command the system's opener runs for the address.
std::string open_command(const char* url);
#endif

}  // namespace dependency_manager
