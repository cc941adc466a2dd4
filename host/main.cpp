// kvhost: runs a Lua or Python script in a simulated REAPER with the extension loaded.
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <sstream>
#include <string>
#include <vector>

#include "loader/beside_program.hpp"
#include "loader/extension.hpp"
#include "loader/functions.hpp"
#include "lua/script.hpp"
#include "model/need_big.hpp"
#include "simulation.hpp"

namespace {

const char* usage =
    "usage: kvhost [options] script.lua|script.py [args...]\n"
    "\n"
    "Runs a ReaScript-style Lua script in a simulated REAPER with the\n"
    "reaper_KELVARO_COBALT extension loaded. In the script, reaper.<Name> calls\n"
    "host functions and every registered KV_ function (outputs come back as\n"
    "extra results), and the kvhost table steers the simulation.\n"
    "\n"
    "Like REAPER 7 it runs Lua 5.4 and keeps its Lua's C API to itself; the\n"
    "resource folder's UserPlugins holds the loaded extension and its Lua file.\n"
    "\n"
    "A script ending in .py is a Python ReaScript: python3 runs it with\n"
    "reaper_python's RPR_ functions and rpr_getfp, REAPER's conventions, and\n"
    "the extension loaded in the same process (--trace and --lua do not apply).\n"
    "\n"
    "options:\n"
    "  --extension PATH   load this extension file instead of the built one\n"
    "  --no-extension     start without loading an extension\n"
    "  --hide NAME        the host lacks function NAME (repeatable)\n"
    "  --no-sws           run as if the SWS extension were not installed\n"
    "  --need-big-surplus N  realloc_cmd_ptr gives N bytes more than asked\n"
    "                     (fewer when negative), as REAPER never does; for tests\n"
    "  --resource-path DIR  REAPER's resource folder is DIR (default: a new\n"
    "                     temporary folder)\n"
    "  --lua 5.3          run Lua 5.3, as REAPER 6 does (5.4 is the default)\n"
    "  --trace            after each call (of a registered function, or of a C\n"
    "                     module the script loads), print to stderr the exception\n"
    "                     the extension stopped in it and turned into a failure\n"
    "                     result, if any\n"
    "  --export-lua       export the Lua C API to modules, as a stand-alone\n"
    "                     interpreter does (Lua 5.4)\n"
    "  -e CODE            run CODE instead of a script file\n"
    "  -h, --help         show this help\n"
    "\n"
    "KVHOST_EMULATOR (the command of an emulator and its options): the host\n"
    "runs under it and starts its other flavours through it.\n"
    "\n"
    "The script receives args both as `...` and in the table `arg` (arg[0] is\n"
    "the script's name).\n"
    "A script error exits with status 1 and prints the Lua traceback.\n";

// A cross build's tests run this host under an emulator, named with its
// options in KVHOST_EMULATOR; programs of the same machine start through it.
std::vector<std::string> emulator_command() {
  std::vector<std::string> words;
  std::istringstream command(std::getenv("KVHOST_EMULATOR") ? std::getenv("KVHOST_EMULATOR") : "");
  for (std::string word; command >> word;) words.push_back(word);
  return words;
}

// The flavours that differ in how they are linked are programs of their own
// beside this one; the options run them with the other arguments.
[[noreturn]] void run_flavour(const char* program, int argc, char** argv, int skipped_from, int skipped) {
  const std::string path = kvhost::beside_program(program);
  const std::vector<std::string> emulator = emulator_command();
  std::vector<std::string> words = emulator;
  words.push_back(path);
  for (int i = 1; i < argc; ++i)
    if (i < skipped_from || i >= skipped_from + skipped) words.push_back(argv[i]);
  std::vector<char*> args;
  for (auto& word : words) args.push_back(word.data());
  args.push_back(nullptr);
  // The emulator is looked up on PATH; a flavour is run by its path, and never
  // handed to a shell (as execvp would) when the kernel cannot run it.
  emulator.empty() ? ::execv(args[0], args.data()) : ::execvp(args[0], args.data());
  std::fprintf(stderr, "kvhost: cannot run %s: %s\n", args[0], std::strerror(errno));
  std::exit(2);
}

constexpr bool lua_exported = KVHOST_LUA_EXPORTED;

// A Python ReaScript runs in python3, which loads the host's C library in its
// own process through ctypes, as REAPER's module calls the host in process;
// the options travel in the environment.
[[noreturn]] void run_python(const std::string& script, const std::vector<std::string>& args,
                             const std::string& extension, const std::vector<std::string>& hidden, bool no_sws,
                             const std::string& resource_path) {
  std::string hide;
  for (const auto& name : hidden) hide += name + "\n";
  const std::string python_dir = kvhost::beside_program(KVHOST_PYTHON_DIR);
  const std::string python_path =
      python_dir + (std::getenv("PYTHONPATH") ? std::string(":") + std::getenv("PYTHONPATH") : "");
  ::setenv("KVHOST_LIBRARY", kvhost::beside_program(KVHOST_C_LIBRARY).c_str(), 1);
  ::setenv("KVHOST_EXTENSION", extension.c_str(), 1);
  ::setenv("KVHOST_HIDE", hide.c_str(), 1);
  ::setenv("KVHOST_RESOURCE_PATH", resource_path.c_str(), 1);
  if (no_sws) ::setenv("KVHOST_NO_SWS", "1", 1);
  ::setenv("PYTHONPATH", python_path.c_str(), 1);
  const std::string runner = python_dir + "/kvhost_run.py";
  std::vector<char*> argv{const_cast<char*>("python3"), const_cast<char*>(runner.c_str()),
                          const_cast<char*>(script.c_str())};
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  ::execvp("python3", argv.data());
  std::fprintf(stderr, "kvhost: cannot run python3: %s\n", std::strerror(errno));
  std::exit(2);
}

int refuse(const char* reason) {
  std::fprintf(stderr, "kvhost: %s\n", reason);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string extension_path = kvhost::default_extension_path();
  bool with_extension = true, no_sws = false;
  std::string code, script, resource_path;
  std::vector<std::string> hidden;
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
    if (!script.empty() || !code.empty())
      args.push_back(a);
    else if (a == "-h" || a == "--help") {
      std::fputs(usage, stdout);
      return 0;
    } else if (a == "--extension")
      extension_path = value();
    else if (a == "--no-extension")
      with_extension = false;
    else if (a == "--hide") {
      hidden.push_back(value());
      kvhost::hide_function(hidden.back());
    } else if (a == "--no-sws") {
      no_sws = true;
      kvhost::hide_sws_functions();
    } else if (a == "--need-big-surplus") {
      const std::string bytes = value();
      char* end = nullptr;
      const long surplus = std::strtol(bytes.c_str(), &end, 10);
      if (bytes.empty() || *end || surplus < INT_MIN || surplus > INT_MAX)
        return refuse("--need-big-surplus takes a number of bytes");
      kvhost::model::set_need_big_surplus(static_cast<int>(surplus));
    } else if (a == "--trace")
      kvhost::trace_stopped_exceptions(true);
    else if (a == "--resource-path") {
      resource_path = value();
      kvhost::set_resource_path(resource_path);
    } else if (a == "--export-lua") {
      if (LUA_VERSION_NUM != 504) return refuse("--export-lua runs Lua 5.4 only");
      if (!lua_exported) run_flavour("kvhost-export-lua", argc, argv, i, 1);
    } else if (a == "--lua") {
      const std::string version = value();
      if (version != "5.3" && version != "5.4") return refuse("--lua takes 5.3 or 5.4");
      if (lua_exported && version == "5.3") return refuse("--export-lua runs Lua 5.4 only");
      const bool running = version == (LUA_VERSION_NUM == 503 ? "5.3" : "5.4");
      if (!running) run_flavour(version == "5.3" ? "kvhost-lua5.3" : "kvhost", argc, argv, i - 1, 2);
    } else if (a == "-e")
      code = value();
    else if (!a.empty() && a[0] == '-') {
      std::fprintf(stderr, "kvhost: unknown option %s\n%s", a.c_str(), usage);
      return 2;
    } else
      script = a;
  }
  if (script.empty() && code.empty()) {
    std::fputs(usage, stderr);
    return 2;
  }
  if (code.empty() && script.ends_with(".py"))
    run_python(script, args, with_extension ? extension_path : "", hidden, no_sws, resource_path);
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
