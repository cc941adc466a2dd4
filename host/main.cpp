// kvhost: runs a Lua script in a simulated REAPER with the extension loaded.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "loader/extension.hpp"
#include "loader/functions.hpp"
#include "lua/script.hpp"

namespace {

const char* usage =
    "usage: kvhost [options] script.lua [args...]\n"
    "\n"
    "Runs a ReaScript-style Lua 5.3 script in a simulated REAPER with the\n"
    "reaper_KELVARO_COBALT extension loaded. In the script, reaper.<Name> calls\n"
    "host functions and every registered KV_ function (outputs come back as\n"
    "extra results), and the kvhost table steers the simulation.\n"
    "\n"
    "options:\n"
    "  --extension PATH   load this extension file instead of the built one\n"
    "  --no-extension     start without loading an extension\n"
    "  --hide NAME        the host lacks function NAME (repeatable)\n"
    "  --no-sws           run as if the SWS extension were not installed\n"
    "  -e CODE            run CODE instead of a script file\n"
    "  -h, --help         show this help\n"
    "\n"
    "The script receives args both as `...` and in the table `arg` (arg[0] is\n"
    "the script's name).\n"
    "A script error exits with status 1 and prints the Lua traceback.\n";

}  // namespace

int main(int argc, char** argv) {
  std::string extension_path = kvhost::default_extension_path();
  bool with_extension = true;
  std::string code, script;
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "kvhost: %s needs a value\n%s", a.c_str(), usage);
        std::exit(2);
      }
      return argv[++i];
    };
    if (!script.empty() || !code.empty()) args.push_back(a);
    else if (a == "-h" || a == "--help") {
      std::fputs(usage, stdout);
      return 0;
    } else if (a == "--extension") extension_path = value();
    else if (a == "--no-extension") with_extension = false;
    else if (a == "--hide") kvhost::hide_function(value());
    else if (a == "--no-sws") kvhost::hide_sws_functions();
    else if (a == "-e") code = value();
    else if (!a.empty() && a[0] == '-') {
      std::fprintf(stderr, "kvhost: unknown option %s\n%s", a.c_str(), usage);
      return 2;
    } else script = a;
  }
  if (script.empty() && code.empty()) {
    std::fputs(usage, stderr);
    return 2;
  }
  try {
    if (with_extension) kvhost::load_extension(extension_path);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kvhost: %s\n", e.what());
    return 1;
  }
  args.insert(args.begin(), script.empty() ? "-e" : script);
  lua_State* L = kvhost::new_script_state(args);
  std::string error;
  bool ok = code.empty() ? kvhost::run_lua_file(L, script, error) : kvhost::run_lua_text(L, code, error);
  lua_close(L);
  kvhost::unload_extension();
  if (!ok) {
    std::fprintf(stderr, "kvhost: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
