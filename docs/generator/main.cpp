// kv_docgen: writes the documentation generated from the library's
// declarations into a repository, or checks that the committed files are
// what the declarations generate now.
//   kv_docgen write ROOT | kv_docgen check ROOT
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "text_forms.hpp"
#include "writers.hpp"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  const std::string mode = argc == 3 ? argv[1] : "";
  if (mode != "write" && mode != "check") {
    std::fputs("usage: kv_docgen write|check REPOSITORY\n", stderr);
    return 2;
  }
  const fs::path root = argv[2];
  std::vector<std::string> problems;
  auto registered = kv_docs::registered_functions(problems);
  auto groups = kv_docs::function_groups(root, registered, problems);
  const kv_docs::documentation docs{std::move(registered), std::move(groups), kv_docs::list_functions(),
                                    kv_docs::pool_functions()};
  const kv_docs::generated_file files[] = {kv_docs::api_markdown(docs),
                                           kv_docs::api_html(docs),
                                           kv_docs::lua_definitions(docs),
                                           kv_docs::python_exports(docs),
                                           kv_docs::python_stub(docs),
                                           kv_docs::lua_module_file(docs),
                                           kv_docs::reaper_python_functions(docs),
                                           kv_docs::reaper_python_stub(docs),
                                           kv_docs::extension_python_module(docs),
                                           kv_docs::extension_python_stub(docs),
                                           kv_docs::testing_guide(root, problems)};
  for (const auto& file : files) {
    const fs::path target = root / file.path;
    if (mode == "write") {
      fs::create_directories(target.parent_path());
      std::ofstream(target, std::ios::binary) << file.text;
    } else if (!fs::exists(target) || kv_docs::read_file(target) != file.text) {
      problems.push_back(file.path +
                         " is not what the declarations generate: run `cmake --build build --target generated`");
    }
  }
  for (const auto& problem : problems) std::fprintf(stderr, "kv_docgen: %s\n", problem.c_str());
  return problems.empty() ? 0 : 1;
}
