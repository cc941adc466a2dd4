#include "check/script_check.hpp"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string_view>
#include <utility>

#include "api/simulated_actions.hpp"
#include "data/reaper_functions.hpp"
#include "loader/functions.hpp"

namespace kvhost {
namespace {

namespace fs = std::filesystem;

bool is_name_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Blanks [from, to) but its line breaks, so code is all that is left to read.
void blank(std::string& text, std::size_t from, std::size_t to) {
  for (std::size_t i = from; i < std::min(to, text.size()); ++i)
    if (text[i] != '\n') text[i] = ' ';
}

// The end of a quoted string starting at `at` (the quote), past its closing quote.
std::size_t quoted_end(const std::string& text, std::size_t at, bool stops_at_line_end) {
  const char quote = text[at];
  for (std::size_t i = at + 1; i < text.size(); ++i) {
    if (text[i] == '\\')
      ++i;
    else if (text[i] == quote || (stops_at_line_end && text[i] == '\n'))
      return i + 1;
  }
  return text.size();
}

// Lua's long brackets "[==[": the level, or -1 when none starts at `at`.
int long_bracket_level(const std::string& text, std::size_t at) {
  if (at >= text.size() || text[at] != '[') return -1;
  std::size_t i = at + 1;
  while (i < text.size() && text[i] == '=') ++i;
  return i < text.size() && text[i] == '[' ? static_cast<int>(i - at - 1) : -1;
}

std::size_t long_bracket_end(const std::string& text, std::size_t at, int level) {
  const std::string close = "]" + std::string(static_cast<std::size_t>(level), '=') + "]";
  const std::size_t found = text.find(close, at);
  return found == std::string::npos ? text.size() : found + close.size();
}

// Blanks every comment and string of the text: span_end gives where the one
// starting at a position ends, or that position when none starts there.
template <class SpanEnd>
std::string blank_spans(std::string text, SpanEnd span_end) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t end = span_end(text, i);
    if (end == i) {
      ++i;
      continue;
    }
    blank(text, i, end);
    i = end;
  }
  return text;
}

std::string lua_code(std::string text) {
  return blank_spans(std::move(text), [](const std::string& code, std::size_t i) {
    const char c = code[i];
    if (c == '-' && code.compare(i, 2, "--") == 0) {
      const int level = long_bracket_level(code, i + 2);
      return level >= 0 ? long_bracket_end(code, i + 2, level) : std::min(code.find('\n', i), code.size());
    }
    if (c == '"' || c == '\'') return quoted_end(code, i, true);
    if (const int level = long_bracket_level(code, i); level >= 0) return long_bracket_end(code, i, level);
    return i;
  });
}

std::string python_code(std::string text) {
  return blank_spans(std::move(text), [](const std::string& code, std::size_t i) {
    const char c = code[i];
    if (c == '#') return std::min(code.find('\n', i), code.size());
    if (c != '"' && c != '\'') return i;
    const std::string triple(3, c);
    if (code.compare(i, 3, triple) != 0) return quoted_end(code, i, true);
    const std::size_t close = code.find(triple, i + 3);
    return close == std::string::npos ? code.size() : close + 3;
  });
}

std::size_t skip_spaces(const std::string& text, std::size_t at) {
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t' || text[at] == '\n' || text[at] == '\r')) ++at;
  return at;
}

// The functions' names a script calls, each with the literal command ID of
// a Main_OnCommand call after it (-1: none).
std::vector<std::pair<std::string, int>> called_names(const std::string& code, bool python) {
  std::vector<std::pair<std::string, int>> names;
  const std::string_view marker = python ? "RPR_" : "reaper";
  for (std::size_t at = code.find(marker); at != std::string::npos; at = code.find(marker, at + 1)) {
    if (at > 0 && (is_name_char(code[at - 1]) || code[at - 1] == '.')) continue;
    std::size_t name_start = at + marker.size();
    if (!python) {
      name_start = skip_spaces(code, name_start);
      if (name_start >= code.size() || code[name_start] != '.') continue;
      name_start = skip_spaces(code, name_start + 1);
    }
    std::size_t name_end = name_start;
    while (name_end < code.size() && is_name_char(code[name_end])) ++name_end;
    if (name_end == name_start) continue;
    std::string name = code.substr(name_start, name_end - name_start);
    int action = -1;
    if (name == "Main_OnCommand" || name == "Main_OnCommandEx") {
      std::size_t arg = skip_spaces(code, name_end);
      if (arg < code.size() && code[arg] == '(') {
        arg = skip_spaces(code, arg + 1);
        std::size_t digits = arg;
        while (digits < code.size() && code[digits] >= '0' && code[digits] <= '9' && digits - arg < 9) ++digits;
        if (digits > arg && (digits == code.size() || !is_name_char(code[digits])))
          action = std::stoi(code.substr(arg, digits - arg));
      }
    }
    names.emplace_back(std::move(name), action);
  }
  return names;
}

struct extension_prefix {
  std::string_view prefix, extension;
};

constexpr std::array<extension_prefix, 13> extension_prefixes{{
    {"BR_", "SWS"},
    {"CF_", "SWS"},
    {"FNG_", "SWS"},
    {"NF_", "SWS"},
    {"SN_", "SWS"},
    {"SNM_", "SWS"},
    {"ULT_", "SWS"},
    {"Xen_", "SWS"},
    {"JS_", "js_ReaScriptAPI"},
    {"ImGui_", "ReaImGui"},
    {"ReaPack_", "ReaPack"},
    {"Blink_", "ReaBlink"},
    {"rcw_", "ReaCoMa"},
}};

std::string extension_of(const std::string& name) {
  for (const auto& known : extension_prefixes)
    if (name.starts_with(known.prefix)) return std::string(known.extension);
  return "unknown";
}

bool is_script_file(const fs::path& path) { return path.extension() == ".lua" || path.extension() == ".py"; }

}  // namespace

script_needs check_script_text(const std::string& text, bool python) {
  script_needs needs;
  std::set<std::string> functions, extension_functions;
  std::set<int> actions;
  for (const auto& [name, action] : called_names(python ? python_code(text) : lua_code(text), python)) {
    if (action >= 0 && !api::simulates_action(action)) actions.insert(action);
    if (find_callable(name) || is_script_engine_function(name) || (python && name == "ValidatePtr")) continue;
    if (is_reaper_function(name))
      functions.insert(name);
    else
      extension_functions.insert(extension_of(name) + ": " + name);
  }
  needs.functions.assign(functions.begin(), functions.end());
  needs.actions.assign(actions.begin(), actions.end());
  needs.extension_functions.assign(extension_functions.begin(), extension_functions.end());
  return needs;
}

int check_scripts(const std::vector<std::string>& paths, std::ostream& out) {
  std::vector<fs::path> scripts;
  for (const auto& given : paths) {
    std::error_code error;
    if (fs::is_directory(given, error)) {
      for (fs::recursive_directory_iterator it(given, error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file(error) && is_script_file(it->path())) scripts.push_back(it->path());
    } else if (fs::is_regular_file(given, error)) {
      scripts.emplace_back(given);
    }
    if (error || !fs::exists(given)) {
      out.flush();
      std::fprintf(stderr, "kvhost: cannot read %s\n", given.c_str());
      return 2;
    }
  }
  std::sort(scripts.begin(), scripts.end());
  std::size_t listed = 0;
  const std::string prefix_python = "RPR_", prefix_lua = "reaper.";
  for (const auto& script : scripts) {
    std::ifstream file(script, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const bool python = script.extension() == ".py";
    const script_needs needs = check_script_text(text, python);
    if (needs.empty()) continue;
    ++listed;
    out << script.string() << "\n";
    if (!needs.functions.empty()) {
      out << "  not simulated:";
      for (const auto& name : needs.functions) out << " " << (python ? prefix_python : prefix_lua) << name;
      out << "\n";
    }
    if (!needs.actions.empty()) {
      out << "  actions not simulated:";
      for (int action : needs.actions) out << " " << action;
      out << "\n";
    }
    for (const auto& name : needs.extension_functions) out << "  extension function: " << name << "\n";
  }
  out << listed << " of " << scripts.size() << " script(s) use what kvhost does not simulate\n";
  return listed ? 1 : 0;
}

}  // namespace kvhost
