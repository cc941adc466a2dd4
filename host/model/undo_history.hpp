#pragma once
// A project's undo points: each holds the project as saved right after it.
#include <cstddef>
#include <string>
#include <vector>

namespace kvhost::model {

struct undo_point {
  std::string name;   // empty for the starting state
  std::string state;  // the project's text
};

struct undo_history {
  std::vector<undo_point> points;  // the first: the state before any point
  std::size_t at = 0;              // the state the project is in
  int block_depth = 0;             // open Undo_BeginBlock calls
};

}  // namespace kvhost::model
