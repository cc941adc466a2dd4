#include "api/text/string_operations.hpp"

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>

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

// Skips ahead by the sought text's length where it can: long sought texts in
// long texts take far less than length times length comparisons.
bool contains(std::string_view text, std::string_view sought) {
  if (sought.empty()) return true;
  return std::search(text.begin(), text.end(), std::boyer_moore_horspool_searcher(sought.begin(), sought.end())) !=
         text.end();
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
  return kv_utility::write_out(checkOut, contains(fold_ascii(textString), fold_ascii(checkString)));
}

bool CheckIncludePerfectString(const char* textString, const char* checkString, bool* checkOut) {
  return kv_utility::write_out(checkOut, contains(textString, checkString));
}

bool ReplaceSearchString(const char* textString, const char* searchString, const char* replaceString, char* stringOut,
                         int stringOut_sz) {
  if (!stringOut) return false;
  // Only what the buffer shows is built: a short buffer never costs a huge result.
  const std::size_t shown = stringOut_sz > 0 ? static_cast<std::size_t>(stringOut_sz) - 1 : 0;
  auto replaced = regex_replace_all(textString, searchString, replaceString, shown);
  return replaced && write_text(stringOut, stringOut_sz, *replaced);
}

bool DeleteBlankString(const char* testString, char* stringOut, int stringOut_sz) {
  std::string text(testString);
  std::erase(text, ' ');
  return write_text(stringOut, stringOut_sz, text);
}

}  // namespace KV_COBALT
