#include "action_state.hpp"

namespace kvhost::model {

bool& unsimulated_actions_ignored() {
  static bool ignored = false;
  return ignored;
}

}  // namespace kvhost::model
