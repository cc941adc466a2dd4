#pragma once
// A track's razor edit areas as "P_RAZOREDITS" gives them: space-separated
// triples `start end "GUID"`, the GUID empty for the media lane.
#include <string_view>

namespace kvhost::model {

// Empty, or triples of two times (0 <= start < end) and a quoted empty or
// well-formed GUID, separated by single spaces.
bool is_razor_edit_list(std::string_view text);

}  // namespace kvhost::model
