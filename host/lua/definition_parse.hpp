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

// How the host's script engines treat a parameter, by its type and name: an
// output (name ending in Out, OutOptional or OutNeedBig) is not passed and
// comes back after the result; a char* without Out, and a value pointer named
// ...InOut, are passed and come back;
// the int after a char* named like it plus _sz is the capacity the engine
// supplies; everything else is passed.
enum class parameter_role { input, output, in_out, buffer_size };
bool is_output_name(const std::string& name);
parameter_role role_of(const std::vector<parameter>& parameters, std::size_t index);

}  // namespace kvhost
