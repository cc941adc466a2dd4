#include "entry/user_locale.hpp"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <algorithm>
#include <filesystem>

#include "utility/utility.hpp"
#include "utility/windows_api.hpp"
#endif

namespace KV_COBALT::user_locale {
namespace {

std::string system_word() {
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

source current = &system_word;

}  // namespace

std::string word() { return current(); }

void set_source(source replacement) { current = replacement ? replacement : &system_word; }

}  // namespace KV_COBALT::user_locale
