#pragma once
// Names REAPER compares without regard to ASCII case: ExtState sections and
// keys, project ExtState names and keys.
#include <string_view>

namespace kvhost::model {

bool same_caseless(std::string_view a, std::string_view b);

struct caseless_less {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

// The entry of a map whose key equals name without regard to case; end() when none.
template <class Map>
auto find_caseless(Map& map, std::string_view name) {
  auto it = map.begin();
  while (it != map.end() && !same_caseless(it->first, name)) ++it;
  return it;
}

}  // namespace kvhost::model
