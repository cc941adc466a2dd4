#include "model/runner.hpp"

#include <array>
#include <utility>

namespace kvhost::model {
namespace {

constexpr const char* default_version = "7.40";

// A Linux REAPER names its machine after the slash.
constexpr const char* linux_machine =
#if defined(__aarch64__)
    "linux-aarch64";
#elif defined(__arm__)
    "linux-armv7l";
#elif defined(__i386__)
    "linux-i686";
#else
    "linux-x86_64";
#endif

// GetOS's spellings with GetAppVersion's suffix for each (32-bit Windows has none).
constexpr std::array<std::pair<const char*, const char*>, 6> platforms{{{"Win32", ""},
                                                                        {"Win64", "x64"},
                                                                        {"OSX32", "OSX"},
                                                                        {"OSX64", "OSX64"},
                                                                        {"macOS-arm64", "macOS-arm64"},
                                                                        {"Other", linux_machine}}};

runner_state make_runner() {
  runner_state made;
  made.os = machine_os();
  made.app_version = app_version(default_version, made.os);
  return made;
}

}  // namespace

runner_state& runner() {
  static runner_state current = make_runner();
  return current;
}

std::string machine_os() {
#if defined(_WIN64)
  return "Win64";
#elif defined(_WIN32)
  return "Win32";
#elif defined(__APPLE__) && defined(__aarch64__)
  return "macOS-arm64";
#elif defined(__APPLE__)
  return "OSX64";
#else
  return "Other";
#endif
}

bool prepare_script_run(const std::string& os, const std::string& version, const std::string& answers,
                        std::string& error) {
  auto& run = runner();
  run.dialogs_need_answers = true;
  if (!os.empty()) run.os = os;
  run.app_version = app_version(version.empty() ? default_version : version, run.os);
  return answers.empty() || load_answers(answers, error);
}

bool is_known_os(const std::string& os) {
  for (const auto& [name, suffix] : platforms)
    if (os == name) return true;
  return false;
}

std::string app_version(const std::string& version, const std::string& os) {
  for (const auto& [name, suffix] : platforms)
    if (os == name) return *suffix ? version + "/" + suffix : version;
  return version;
}

}  // namespace kvhost::model
