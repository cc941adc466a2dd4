#pragma once
// Identities and free-form data that tracks, items, takes and projects carry
// into saved projects.
#include <map>
#include <string>

namespace kvhost::model {

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper-case hex. The sequence
// starts over with each reset of the host, so a run gives the same identities
// every time and a saved project the same bytes.
std::string new_guid();
void restart_guids();

// Extension data by key ("P_EXT:key"), keys compared as given.
using text_map = std::map<std::string, std::string>;

}  // namespace kvhost::model
