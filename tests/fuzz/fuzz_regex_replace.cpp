// Regular-expression replacement and its format ($&, $1..$99, $`, $', $$),
// on any pattern and text. Where the pattern is a plain word and the format
// uses only $& and $$, the result must be that of a plain find and replace.
#include <optional>
#include <string>

#include "api/text/regex_replace.hpp"
#include "api/text/string_operations.hpp"
#include "fuzz_input.hpp"

namespace {

bool is_plain_word(const std::string& pattern) {
  if (pattern.empty()) return false;
  for (char c : pattern)
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
  return true;
}

// The format with $& as the match and $$ as a dollar; nothing when it uses anything else.
std::optional<std::string> simple_format(const std::string& format, const std::string& match) {
  std::string out;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '$') {
      out += format[i];
    } else if (i + 1 < format.size() && (format[i + 1] == '&' || format[i + 1] == '$')) {
      out += format[++i] == '&' ? match : "$";
    } else {
      return std::nullopt;
    }
  }
  return out;
}

std::string find_and_replace(const std::string& text, const std::string& word, const std::string& replacement) {
  std::string out;
  std::size_t from = 0;
  for (auto at = text.find(word); at != std::string::npos; at = text.find(word, from)) {
    out.append(text, from, at - from).append(replacement);
    from = at + word.size();
  }
  return out.append(text, from);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string pattern = input.ConsumeRandomLengthString(64);
  const std::string format = input.ConsumeRandomLengthString(64);
  output_buffer out(input);
  const std::string text = input.ConsumeRemainingBytesAsString();

  const auto replaced = KV_COBALT::regex_replace_all(text, pattern, format);
  if (replaced && is_plain_word(pattern))
    if (auto expected_format = simple_format(format, pattern))
      check(*replaced == find_and_replace(text, pattern, *expected_format));

  const bool done = KV_COBALT::ReplaceSearchString(text.c_str(), pattern.c_str(), format.c_str(), out.data(), out.size);
  if (done && out.written()) check(out.text().size() < static_cast<std::size_t>(out.size));
  return 0;
}
