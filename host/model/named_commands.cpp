#include "named_commands.hpp"

#include <map>

namespace kvhost::model {
namespace {

// Above every native action of the main section.
constexpr int first_named_command = 58000;

struct registry {
  std::map<std::string, int, std::less<>> ids;
  std::map<int, std::string> names;
};

// Never destroyed: extensions register from their entry and may look up at exit.
registry& commands() {
  static auto* all = new registry;
  return *all;
}

}  // namespace

int register_command(std::string_view name) {
  auto& all = commands();
  if (name.empty()) return 0;
  if (const auto found = all.ids.find(name); found != all.ids.end()) return found->second;
  const int id = first_named_command + static_cast<int>(all.ids.size());
  all.ids.emplace(std::string(name), id);
  all.names.emplace(id, std::string(name));
  return id;
}

int find_command(std::string_view name) {
  const auto& ids = commands().ids;
  const auto found = ids.find(name);
  return found == ids.end() ? 0 : found->second;
}

const std::string* command_name(int id) {
  const auto& names = commands().names;
  const auto found = names.find(id);
  return found == names.end() ? nullptr : &found->second;
}

}  // namespace kvhost::model
