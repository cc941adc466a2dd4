#pragma once
// kvhost --check: what scripts use that the host does not simulate, read
// from their text without running them.
#include <ostream>
#include <string>
#include <vector>

namespace kvhost {

// What one script uses that the host lacks.
struct script_needs {
  std::vector<std::string> functions;  // REAPER functions not simulated
  std::vector<int> actions;            // literal command IDs not simulated
  // Functions of other extensions, each as "Extension: name".
  std::vector<std::string> extension_functions;
  bool empty() const { return functions.empty() && actions.empty() && extension_functions.empty(); }
};

// A Lua script's text, or a Python one's when python is true.
script_needs check_script_text(const std::string& text, bool python);

// Checks the files and folders (recursively: their .lua and .py files),
// writes what each script needs; returns 0 when nothing is listed, 1 when
// something is, 2 when a path cannot be read.
int check_scripts(const std::vector<std::string>& paths, std::ostream& out);

}  // namespace kvhost
