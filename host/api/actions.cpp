// Running actions by command ID, their names and on/off states, and screen
// refresh. Every command is logged with the item selection it ran on, for
// tests to inspect.
#include <string>

#include "api/action_table.hpp"
#include "api/host_api.hpp"
#include "api/simulated_actions.hpp"
#include "model/named_commands.hpp"
#include "model/run_stop.hpp"
#include "model/state.hpp"
#include "model/text.hpp"

namespace kvhost::api {
using namespace kvhost::model;
namespace {

constexpr int main_section = 0, main_alt_section = 100;

bool is_main(int section_id) { return section_id == main_section || section_id == main_alt_section; }

[[noreturn]] void not_simulated(const std::string& what) {
  stop_run(run_not_implemented, "kvhost does not simulate " + what);
}

}  // namespace

bool simulates_action(int command) {
  const auto found = main_actions().find(command);
  return found != main_actions().end() && found->second.run;
}

void Main_OnCommand(int command, int flag) { Main_OnCommandEx(command, flag, nullptr); }

void Main_OnCommandEx(int command, int flag, ReaProject* proj) {
  auto* owner = find_project(proj);
  if (!owner) return;
  auto& record = state().commands.emplace_back(command_record{command, flag, handle(owner), {}});
  for (item* member : owner->selected_items()) record.selected_items.push_back(handle(member));
  const auto& table = main_actions();
  const auto found = table.find(command);
  if (found != table.end() && found->second.run) return found->second.run(*owner);
  if (unsimulated_actions_ignored()) return;
  if (found == table.end()) not_simulated("action " + std::to_string(command));
  not_simulated("action " + std::to_string(command) + " (" + found->second.name + ")");
}

void UpdateArrange() { ++state().update_arrange_count; }

// "_NAME" finds a named action; a number written out is that command.
int NamedCommandLookup(const char* command_name) {
  const auto name = text_or_empty(command_name);
  if (!name.empty() && name.find_first_not_of("0123456789") == std::string_view::npos && name.size() < 10)
    return std::stoi(std::string(name));
  if (name.size() < 2 || name.front() != '_') return 0;
  return find_command(name.substr(1));
}

const char* ReverseNamedCommandLookup(int command_id) {
  const std::string* name = command_name(command_id);
  return name ? name->c_str() : nullptr;
}

int GetToggleCommandState(int command_id) { return GetToggleCommandStateEx(main_section, command_id); }

// Script actions report what they set (-1 until then); native actions kvhost
// does not know stop the run rather than guess their state.
int GetToggleCommandStateEx(int section_id, int command_id) {
  const auto& toggles = state().actions.toggles;
  if (const auto set = toggles.find({section_id, command_id}); set != toggles.end()) return set->second;
  if (command_id == 0 || command_name(command_id)) return -1;
  if (is_main(section_id)) {
    const auto& table = main_actions();
    if (const auto found = table.find(command_id); found != table.end())
      return found->second.toggle ? found->second.toggle() : -1;
  }
  not_simulated("the toggle state of action " + std::to_string(command_id) + " in section " +
                std::to_string(section_id));
}

// Named actions only: REAPER keeps the state of its own actions itself.
bool SetToggleCommandState(int section_id, int command_id, int state_value) {
  if (!command_name(command_id)) return false;
  state().actions.toggles[{section_id, command_id}] = state_value;
  return true;
}

}  // namespace kvhost::api
