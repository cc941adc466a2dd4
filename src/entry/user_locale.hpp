#pragma once
// The user's locale word, which picks the message language. Tests replace the
// source to fix the word; nothing of this is registered for scripts.
#include <string>

namespace KV_COBALT::user_locale {

using source = std::string (*)();

// "ja_JP" style: AppleLocale on macOS, the user's locale name on Windows, else
// LC_ALL, LC_MESSAGES or LANG without its encoding or modifier.
std::string word();
// A null source goes back to the system's.
void set_source(source replacement);

}  // namespace KV_COBALT::user_locale
