// The split-list builder: the fields hold no delimiter, fields and
// delimiters together are the whole text, and the list is appended to.
#include <string>
#include <vector>

#include "api/text/string_lists.hpp"
#include "fuzz_input.hpp"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string delimiters = input.ConsumeRandomLengthString(8);
  const std::string text = input.ConsumeRemainingBytesAsString();
  std::vector<std::string> list{"kept"};
  check(KV_COBALT::GetStringSplitList(text, delimiters, list));
  check(list.front() == "kept");

  std::size_t field_bytes = 0, separators = 0;
  for (std::size_t i = 1; i < list.size(); ++i) {
    check(delimiters.empty() || list[i].find_first_of(delimiters) == std::string::npos);
    field_bytes += list[i].size();
  }
  for (char c : text) separators += !delimiters.empty() && delimiters.find(c) != std::string::npos;
  check(field_bytes + separators == text.size());
  // One field per separator, and one more unless the text ends with one.
  const bool ends_open = !text.empty() && (delimiters.empty() || delimiters.find(text.back()) == std::string::npos);
  check(list.size() - 1 == separators + (ends_open ? 1 : 0));
  return 0;
}
