#include "lua/definition_parse.hpp"

#include <cstring>

namespace kvhost {
namespace {

bool ends_with(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

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
  for (std::size_t i = 0; i < types.size(); ++i) {
    // A value the callee only reads through its address travels as any value pointer does.
    if (types[i] == "const int*") types[i] = "int*";
    parsed.parameters.push_back({types[i], i < names.size() ? names[i] : ""});
  }
  parsed.help = fields[3];
  return parsed;
}

bool is_output_name(const std::string& name) {
  return ends_with(name, "Out") || ends_with(name, "OutOptional") || ends_with(name, "OutNeedBig");
}

parameter_role role_of(const std::vector<parameter>& parameters, std::size_t index) {
  const parameter& p = parameters[index];
  if (p.type == "int" && ends_with(p.name, "_sz") && index > 0 && parameters[index - 1].type == "char*")
    return parameter_role::buffer_size;
  if (p.type == "char*") return is_output_name(p.name) ? parameter_role::output : parameter_role::in_out;
  if (ends_with(p.name, "InOut") && ends_with(p.type, "*")) return parameter_role::in_out;
  if (is_output_name(p.name) && ends_with(p.type, "*")) return parameter_role::output;
  return parameter_role::input;
}

}  // namespace kvhost
