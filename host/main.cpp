// kvhost: runs a Lua or Python script in a simulated REAPER with the extension loaded.
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "check/script_check.hpp"
#include "loader/beside_program.hpp"
#include "loader/extension.hpp"
#include "loader/functions.hpp"
#include "lua/runtime.hpp"
#include "lua/script.hpp"
#include "model/need_big.hpp"
#include "model/run_stop.hpp"
#include "model/runner.hpp"
#include "project_file/current_project.hpp"
#include "simulation.hpp"

namespace {

const char* usage =
    "usage: kvhost [options] script.lua|script.py [args...]\n"
    "       kvhost --check script-or-folder...\n"
    "\n"
    "Runs a ReaScript-style Lua script in a simulated REAPER with the\n"
    "reaper_KELVARO_COBALT extension loaded. In the script, reaper.<Name> calls\n"
    "host functions and every registered KV_ function (outputs come back as\n"
    "extra results), and the kvhost table steers the simulation. A REAPER\n"
    "function kvhost does not simulate exists, but calling it stops the run.\n"
    "\n"
    "Like REAPER 7 it runs Lua 5.4 and keeps its Lua's C API to itself; the\n"
    "resource folder's UserPlugins holds the loaded extension and its Lua file.\n"
    "\n"
    "A script ending in .py is a Python ReaScript: python3 runs it with\n"
    "reaper_python's RPR_ functions and rpr_getfp, REAPER's conventions, and\n"
    "the extension loaded in the same process (--trace, --lua, --junit and\n"
    "--tap do not apply).\n"
    "\n"
    "After the script, what it deferred runs in cycles (time_precise advances\n"
    "1/30 s each) until a cycle queues nothing, then its atexit functions.\n"
    "\n"
    "options:\n"
    "  --answers FILE     answers for the script's dialogs, one line each in\n"
    "                     order: a return code (6 = Yes); for GetUserInputs 0\n"
    "                     (Cancel), or 1, and the values separated by commas, or\n"
    "                     1, and a JSON array of strings. Without an answer left\n"
    "                     a dialog stops the run\n"
    "  --defer-cycles N   run at most N cycles of deferred functions (default 1000)\n"
    "  --os NAME          what GetOS reports: Win32, Win64, OSX32, OSX64,\n"
    "                     macOS-arm64 or Other (default: this machine's)\n"
    "  --reaper-version V the version GetAppVersion reports (default 7.40)\n"
    "  --timeout SECONDS  stop a script that runs longer\n"
    "  --junit FILE       write the kvhost.case results as JUnit XML\n"
    "  --tap              print the kvhost.case results as TAP at the end\n"
    "  --check            read the scripts (files or folders) without running\n"
    "                     them and list what each uses that kvhost does not\n"
    "                     simulate: REAPER functions, action IDs, extensions'\n"
    "                     functions\n"
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
    "  --project FILE.RPP start from this REAPER project file (the current\n"
    "                     project, its file FILE.RPP); a file that does not read\n"
    "                     stops with FILE:LINE: expected ..., status 2\n"
    "  --save-project OUT.RPP  write the project there after a script that ran\n"
    "                     to its end (through a temporary file: a failed save\n"
    "                     leaves the old file)\n"
    "  -e CODE            run CODE instead of a script file\n"
    "  -h, --help         show this help\n"
    "\n"
    "KVHOST_EMULATOR (the command of an emulator and its options): the host\n"
    "runs under it and starts its other flavours through it.\n"
    "\n"
    "The script receives args both as `...` and in the table `arg` (arg[0] is\n"
    "the script's name). os.exit(n) ends the run with n after the atexit\n"
    "functions.\n"
    "\n"
    "exit status:\n"
    "  0  the script ran to its end and every kvhost.case passed\n"
    "  1  a script error (with its traceback) or a failed case\n"
    "  2  a bad command line or input file (answers, a binary script)\n"
    "  3  the script called a REAPER function or action kvhost does not simulate\n"
    "  4  a dialog found no answer left\n"
    "  5  the script ran longer than --timeout\n"
    "  (--check: 0 when nothing is listed, 1 otherwise)\n";

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

// What a run of a script is given beyond the host's set-up.
struct run_options {
  std::string answers, os, reaper_version, junit, project, save_project;
  int defer_cycles = 1000;
  int timeout = 0;  // seconds, 0: none
  bool tap = false;
};

// A Python ReaScript runs in python3, which loads the host's C library in its
// own process through ctypes, as REAPER's module calls the host in process;
// the options travel in the environment.
[[noreturn]] void run_python(const std::string& script, const std::vector<std::string>& args,
                             const std::string& extension, const std::vector<std::string>& hidden, bool no_sws,
                             const std::string& resource_path, const run_options& run) {
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
  ::setenv("KVHOST_ANSWERS", run.answers.c_str(), 1);
  ::setenv("KVHOST_OS", run.os.c_str(), 1);
  ::setenv("KVHOST_REAPER_VERSION", run.reaper_version.c_str(), 1);
  ::setenv("KVHOST_DEFER_CYCLES", std::to_string(run.defer_cycles).c_str(), 1);
  ::setenv("KVHOST_TIMEOUT", std::to_string(run.timeout).c_str(), 1);
  ::setenv("KVHOST_PROJECT", run.project.c_str(), 1);
  ::setenv("KVHOST_SAVE_PROJECT", run.save_project.c_str(), 1);
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

// A whole number in [low, high], or nothing.
std::optional<long> whole_number(const std::string& text, long low, long high) {
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end || errno || value < low || value > high) return std::nullopt;
  return value;
}

// A script is text: REAPER runs no precompiled Lua chunk, and a NUL byte in
// the first block means it is no script at all.
bool is_text_script(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return true;  // the run reports the file it cannot read
  char block[4096];
  file.read(block, sizeof block);
  const std::string_view head(block, static_cast<std::size_t>(file.gcount()));
  return head.find('\0') == std::string_view::npos && !head.starts_with("\x1bLua");
}

// The timeout stops the process from a signal handler: only calls safe there.
void timed_out(int) {
  static const char message[] = "kvhost: the script ran longer than --timeout allows\n";
  [[maybe_unused]] const auto written = ::write(2, message, sizeof message - 1);
  ::_exit(kvhost::model::run_timed_out);
}

}  // namespace

int main(int argc, char** argv) {
  std::string extension_path = kvhost::default_extension_path();
  bool with_extension = true, no_sws = false, check = false;
  std::string code, script, resource_path;
  std::vector<std::string> hidden;
  std::vector<std::string> args;
  run_options run;
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
    else if (check && !a.empty() && a[0] != '-')
      args.push_back(a);
    else if (a == "-h" || a == "--help") {
      std::fputs(usage, stdout);
      return 0;
    } else if (a == "--check")
      check = true;
    else if (a == "--answers")
      run.answers = value();
    else if (a == "--defer-cycles") {
      const auto cycles = whole_number(value(), 1, INT_MAX);
      if (!cycles) return refuse("--defer-cycles takes a positive number of cycles");
      run.defer_cycles = static_cast<int>(*cycles);
    } else if (a == "--os") {
      run.os = value();
      if (!kvhost::model::is_known_os(run.os))
        return refuse("--os takes Win32, Win64, OSX32, OSX64, macOS-arm64 or Other");
    } else if (a == "--reaper-version") {
      run.reaper_version = value();
      if (run.reaper_version.empty() || run.reaper_version.find('/') != std::string::npos)
        return refuse("--reaper-version takes a version such as 7.40");
    } else if (a == "--timeout") {
      const auto seconds = whole_number(value(), 1, 86400);
      if (!seconds) return refuse("--timeout takes a whole number of seconds (1 to 86400)");
      run.timeout = static_cast<int>(*seconds);
    } else if (a == "--junit")
      run.junit = value();
    else if (a == "--tap")
      run.tap = true;
    else if (a == "--extension")
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
      const auto surplus = whole_number(value(), INT_MIN, INT_MAX);
      if (!surplus) return refuse("--need-big-surplus takes a number of bytes");
      kvhost::model::set_need_big_surplus(static_cast<int>(*surplus));
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
    } else if (a == "--project")
      run.project = value();
    else if (a == "--save-project")
      run.save_project = value();
    else if (a == "-e")
      code = value();
    else if (!a.empty() && a[0] == '-') {
      std::fprintf(stderr, "kvhost: unknown option %s\n%s", a.c_str(), usage);
      return 2;
    } else
      script = a;
  }
  if (check) {
    if (args.empty()) return refuse("--check takes scripts or folders");
    try {
      if (with_extension) kvhost::load_extension(extension_path);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "kvhost: %s\n", e.what());
      return 1;
    }
    return kvhost::check_scripts(args, std::cout);
  }
  if (script.empty() && code.empty()) {
    std::fputs(usage, stderr);
    return 2;
  }
  if (!script.empty() && !is_text_script(script)) {
    std::fprintf(stderr, "kvhost: %s is not a script (binary content)\n", script.c_str());
    return 2;
  }
  const bool python = code.empty() && script.ends_with(".py");
  if (python && (run.tap || !run.junit.empty())) return refuse("--junit and --tap report kvhost.case of Lua scripts");
  if (std::string error; !kvhost::model::prepare_script_run(run.os, run.reaper_version, run.answers, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  if (python) run_python(script, args, with_extension ? extension_path : "", hidden, no_sws, resource_path, run);
  if (run.timeout) {
    std::signal(SIGALRM, timed_out);
    ::alarm(static_cast<unsigned>(run.timeout));
  }
  try {
    if (with_extension) kvhost::load_extension(extension_path);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kvhost: %s\n", e.what());
    return 1;
  }
  kvhost::set_run_ending(script.empty() ? "-e" : script, run.save_project);
  if (!run.project.empty()) {
    const std::string failure = kvhost::load_current_project(run.project);
    if (!failure.empty()) return refuse(failure.c_str());
  }
  kvhost::set_defer_cycles(run.defer_cycles);
  std::error_code ignored;
  kvhost::set_script_path(script.empty() ? "" : std::filesystem::absolute(script, ignored).lexically_normal().string());
  kvhost::report_cases(run.junit, run.tap, script.empty() ? "script" : std::filesystem::path(script).stem().string());
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
  return kvhost::finish_run(0);
}
