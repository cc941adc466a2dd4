#include "api/text/string_operations.hpp"

#include <string>

#include "api/text/regex_replace.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

// Folds ASCII capitals only; bytes above 0x7F are compared exactly.
std::string fold_ascii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

bool write_text(char* out, int out_sz, const std::string& text) {
  if (!out) return false;
  kv_utility::strcpy(out, out_sz, text);
  return true;
}

}  // namespace

bool CheckSameString(const char* textString, const char* checkString, bool* checkOut) {
  return kv_utility::write_out(checkOut, fold_ascii(textString) == fold_ascii(checkString));
}

bool CheckIncludeString(const char* textString, const char* checkString, bool* checkOut) {
  return kv_utility::write_out(checkOut, fold_ascii(textString).find(fold_ascii(checkString)) != std::string::npos);
}

bool CheckIncludePerfectString(const char* textString, const char* checkString, bool* checkOut) {
  return kv_utility::write_out(checkOut, std::string(textString).find(checkString) != std::string::npos);
}

bool ReplaceSearchString(const char* textString, const char* searchString, const char* replaceString,
                         char* stringOut, int stringOut_sz) {
  auto replaced = regex_replace_all(textString, searchString, replaceString);
  return replaced && write_text(stringOut, stringOut_sz, *replaced);
}

bool DeleteBlankString(const char* testString, char* stringOut, int stringOut_sz) {
  std::string text(testString);
  std::erase(text, ' ');
  return write_text(stringOut, stringOut_sz, text);
}

}  // namespace KV_COBALT
