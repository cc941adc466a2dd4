#pragma once
// The registered functions in the groups the code keeps them in: one group
// per operations header under src/api, introduced by the header's opening
// comment.
#include <filesystem>
#include <string>
#include <vector>

#include "api_model.hpp"

namespace kv_docs {

struct function_group {
  std::string title;                           // from the header's name: track_color_operations.hpp -> Track color
  std::string summary;                         // the header's opening comment, as one paragraph
  std::vector<documented_function> functions;  // in registry order

  std::string anchor() const;  // as GitHub makes it of the heading: track-color
};

// Groups in the order of their first registered function. A registered
// function no header declares, or one declared twice, is a problem.
std::vector<function_group> function_groups(const std::filesystem::path& root,
                                            const std::vector<documented_function>& registered,
                                            std::vector<std::string>& problems);

}  // namespace kv_docs
