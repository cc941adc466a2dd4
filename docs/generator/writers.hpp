#pragma once
// The generated files, each as its path under the repository and its text.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "api_groups.hpp"
#include "api_model.hpp"
#include "binding_model.hpp"

namespace kv_docs {

struct documentation {
  std::vector<documented_function> registered;
  std::vector<function_group> groups;  // the same functions, by header
  std::vector<documented_list_function> lists;
  std::vector<documented_pool_function> pool;
};

struct generated_file {
  std::string path;
  std::string text;
};

generated_file api_markdown(const documentation& docs);
generated_file api_html(const documentation& docs);
generated_file lua_definitions(const documentation& docs);
generated_file python_exports(const documentation& docs);
generated_file python_stub(const documentation& docs);
generated_file lua_module_file(const documentation& docs);
generated_file reaper_python_functions(const documentation& docs);
// What kvhost chose for a host function where REAPER's behaviour is not
// established; empty for the rest.
std::string host_function_note(std::string_view name);
generated_file reaper_python_stub(const documentation& docs);
generated_file extension_python_module(const documentation& docs);
generated_file extension_python_stub(const documentation& docs);
// docs/testing-scripts.md with its reference part written anew, its prose as it is.
generated_file testing_guide(const std::filesystem::path& root, std::vector<std::string>& problems);

}  // namespace kv_docs
