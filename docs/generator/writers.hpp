#pragma once
// The generated files, each as its path under the repository and its text.
#include <string>
#include <vector>

#include "api_model.hpp"

namespace kv_docs {

struct generated_file {
  std::string path;
  std::string text;
};

generated_file api_markdown(const std::vector<documented_function>& functions);
generated_file api_html(const std::vector<documented_function>& functions);
generated_file lua_definitions(const std::vector<documented_function>& functions);

}  // namespace kv_docs
