#pragma once
// Command IDs REAPER assigns for the session to named actions (scripts and
// extensions' commands). Names are kept without REAPER's leading "_".
#include <string>
#include <string_view>

namespace kvhost::model {

// The ID of name, given now if it has none yet ("command_id" registration).
int register_command(std::string_view name);
// 0 when nothing has that name.
int find_command(std::string_view name);
// Null for an ID no named action has.
const std::string* command_name(int id);

}  // namespace kvhost::model
