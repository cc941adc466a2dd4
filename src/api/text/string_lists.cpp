#include "api/text/string_lists.hpp"

#include "entry/host_import.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {

bool GetStringSplitList(const std::string& text, const std::string& delimiters, std::vector<std::string>& list) {
  if (text.empty()) return true;
  std::string::size_type start = 0;
  while (start < text.size()) {
    auto end = delimiters.empty() ? std::string::npos : text.find_first_of(delimiters, start);
    if (end == std::string::npos) {
      list.push_back(text.substr(start));
      return true;
    }
    list.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  // A separator as the very last byte ends the last field without opening another.
  return true;
}

bool GetUserInputList(const std::string& title, int inputCount, const std::string& captions,
                      const std::string& defaultValues, std::vector<std::string>& list) {
  constexpr int buffer_size = 1024;
  char buffer[buffer_size] = {};
  kv_utility::strcpy(buffer, buffer_size, defaultValues);
  bool confirmed = host::GetUserInputs(title.c_str(), inputCount, captions.c_str(), buffer, buffer_size);
  GetStringSplitList(buffer, ",", list);
  return confirmed;
}

}  // namespace KV_COBALT
