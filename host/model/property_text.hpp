#pragma once
// Text properties tracks, items and takes share: their GUID and their
// extension data ("P_EXT:name").
#include <optional>
#include <string>
#include <string_view>

#include "identity.hpp"

namespace kvhost::model {

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in either case.
bool is_guid(std::string_view text);

// Reads (set false) or writes (set true) "GUID" or "P_EXT:name" through a
// NeedBig buffer; nothing when the key is neither, else whether it succeeded.
// An absent extension key reads as a failure; setting "" removes it; a GUID
// must be well formed, and extension text one line.
std::optional<bool> get_set_shared_text(std::string_view key, char* buffer, bool set, std::string& guid, text_map& ext);

}  // namespace kvhost::model
