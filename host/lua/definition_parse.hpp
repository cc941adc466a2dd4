#pragma once
// A definition string read back into its parts.
#include <string>
#include <vector>

namespace kvhost {

struct parameter {
  std::string type;
  std::string name;
};

struct parsed_definition {
  std::string result;
  std::vector<parameter> parameters;
  std::string help;
};

parsed_definition parse_definition(const char* definition);

}  // namespace kvhost
