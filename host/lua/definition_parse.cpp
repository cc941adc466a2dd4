#include "lua/definition_parse.hpp"

#include <cstring>

namespace kvhost {
namespace {

std::vector<std::string> split_commas(const std::string& text) {
  std::vector<std::string> parts;
  if (text.empty()) return parts;
  std::string::size_type start = 0;
  for (;;) {
    auto comma = text.find(',', start);
    parts.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos) return parts;
    start = comma + 1;
  }
}

}  // namespace

parsed_definition parse_definition(const char* definition) {
  parsed_definition parsed;
  if (!definition) return parsed;
  const char* field = definition;
  std::string fields[4];
  for (auto& text : fields) {
    text = field;
    field += std::strlen(field) + 1;
  }
  parsed.result = fields[0];
  auto types = split_commas(fields[1]);
  auto names = split_commas(fields[2]);
  for (std::size_t i = 0; i < types.size(); ++i) parsed.parameters.push_back({types[i], i < names.size() ? names[i] : ""});
  parsed.help = fields[3];
  return parsed;
}

}  // namespace kvhost
