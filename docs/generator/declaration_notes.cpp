#include "declaration_notes.hpp"

#include <fstream>
#include <regex>

namespace kv_docs {
namespace {

namespace fs = std::filesystem;

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  const auto last = text.find_last_not_of(" \t\\");
  return first == std::string::npos || last < first ? "" : text.substr(first, last - first + 1);
}

// The comment a line holds entirely, or nothing.
bool comment_text(const std::string& line, std::string& text) {
  if (line.starts_with("//")) {
    text = trimmed(line.substr(2));
    return true;
  }
  if (line.starts_with("/*") && line.ends_with("*/")) {
    text = trimmed(line.substr(2, line.size() - 4));
    return true;
  }
  return false;
}

void read_file(const fs::path& file, declarations& found_here) {
  static const std::regex entry(R"(^(?:X\((\w+),|\{(\d+), \{))");
  std::ifstream in(file);
  std::string note;
  for (std::string line; std::getline(in, line);) {
    line = trimmed(line);
    std::string text;
    std::smatch found;
    if (comment_text(line, text)) {
      note += (note.empty() || text.empty() ? "" : " ") + text;
      continue;
    }
    if (std::regex_search(line, found, entry)) {
      const std::string name = found[1].matched ? found[1].str() : found[2].str();
      found_here.names.push_back(name);
      if (!note.empty()) found_here.notes[name] = note;
    }
    note.clear();
  }
}

}  // namespace

declarations read_declarations(const fs::path& root) {
  declarations found;
  for (const auto folder : {"host/api", "src/entry"})
    for (const auto& file : fs::directory_iterator(root / folder))
      if (file.path().filename().string().ends_with("_functions.hpp")) read_file(file.path(), found);
  read_file(root / "host/api/action_table.cpp", found);  // its entries: {ID, {"Name", ...}}
  return found;
}

}  // namespace kv_docs
