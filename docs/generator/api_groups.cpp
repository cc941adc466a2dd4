#include "api_groups.hpp"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <regex>

#include "text_forms.hpp"

namespace kv_docs {
namespace {

namespace fs = std::filesystem;

struct operations_header {
  std::string title;
  std::string summary;
  std::vector<std::string> names;  // KV_..., as the X-macro rows declare them
};

std::string title_of(const fs::path& header) {
  std::string title = header.stem().string();
  title.erase(title.size() - std::string("_operations").size());
  std::replace(title.begin(), title.end(), '_', ' ');
  title[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(title[0])));
  return title;
}

// The comment lines that open the header, after `#pragma once`.
std::string opening_comment(std::ifstream& in) {
  std::string line, summary;
  std::getline(in, line);
  while (std::getline(in, line) && line.starts_with("//")) {
    const auto text = line.find_first_not_of("/ ");
    if (text != std::string::npos) summary += (summary.empty() ? "" : " ") + line.substr(text);
  }
  return summary;
}

// The names of the rows X(result, Name, ...) of the header's operation lists,
// the continued lines of each `#define KV_..._OPERATIONS(X)`.
std::vector<std::string> declared_names(std::ifstream& in) {
  static const std::regex list_start(R"(^#define KV_\w+_OPERATIONS\(X\))");
  static const std::regex row(R"(\bX\(\s*[^,()]+,\s*(\w+)\s*,)");
  std::vector<std::string> names;
  bool in_list = false;
  for (std::string line; std::getline(in, line);) {
    if (!in_list) in_list = std::regex_search(line, list_start);
    if (!in_list) continue;
    for (std::sregex_iterator m(line.begin(), line.end(), row), end; m != end; ++m)
      names.push_back("KV_" + (*m)[1].str());
    in_list = line.ends_with('\\');
  }
  return names;
}

std::vector<operations_header> operations_headers(const fs::path& root) {
  std::vector<fs::path> paths;
  for (const auto& entry : fs::recursive_directory_iterator(root / "src/api"))
    if (entry.path().filename().string().ends_with("_operations.hpp")) paths.push_back(entry.path());
  std::sort(paths.begin(), paths.end());  // the directory's order is the file system's
  std::vector<operations_header> headers;
  for (const auto& path : paths) {
    std::ifstream in(path);
    std::string summary = opening_comment(in);
    headers.push_back({title_of(path), std::move(summary), declared_names(in)});
  }
  return headers;
}

}  // namespace

std::string function_group::anchor() const {
  std::string text = kv_docs::anchor(title);
  std::replace(text.begin(), text.end(), ' ', '-');
  return text;
}

std::vector<function_group> function_groups(const fs::path& root, const std::vector<documented_function>& registered,
                                            std::vector<std::string>& problems) {
  const auto headers = operations_headers(root);
  std::map<std::string, std::size_t> header_of;
  for (std::size_t h = 0; h < headers.size(); ++h) {
    if (headers[h].summary.empty()) problems.push_back(headers[h].title + ": its header opens with no summary");
    for (const auto& name : headers[h].names)
      if (!header_of.emplace(name, h).second) problems.push_back(name + ": declared in two operations headers");
  }
  std::vector<function_group> groups;
  std::map<std::size_t, std::size_t> group_of_header;
  for (const auto& f : registered) {
    const auto found = header_of.find(f.name);
    if (found == header_of.end()) {
      problems.push_back(f.name + ": no src/api/**/*_operations.hpp declares it in an operation list");
      continue;
    }
    const auto [at, added] = group_of_header.emplace(found->second, groups.size());
    if (added) groups.push_back({headers[found->second].title, headers[found->second].summary, {}});
    groups[at->second].functions.push_back(f);
    header_of.erase(found);
  }
  for (const auto& [name, header] : header_of) problems.push_back(name + ": declared but not registered");
  return groups;
}

}  // namespace kv_docs
