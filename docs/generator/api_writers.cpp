// The registered functions as Markdown, as an HTML page and as Lua language
// server definitions.
#include <set>
#include <sstream>

#include "text_forms.hpp"
#include "writers.hpp"

namespace kv_docs {
namespace {

const char* calling_convention =
    "Outputs (parameters whose names end in `Out`) are not passed from Lua: they come back after the "
    "result, in parameter order. Buffer sizes (`_sz`) are supplied by the host. A `nil` project is the "
    "current project.";

}  // namespace

generated_file api_markdown(const std::vector<documented_function>& functions) {
  std::ostringstream md;
  md << "# reaper_KELVARO_COBALT script functions\n\n"
     << "Generated from the library's declarations by `cmake --build build --target generated`; do not edit.\n\n"
     << functions.size() << " functions registered with REAPER for Lua, EEL and Python ReaScripts. "
     << calling_convention << "\n\n";
  for (const auto& f : functions) md << "- [" << f.name << "](#" << anchor(f.name) << ")\n";
  for (const auto& f : functions) {
    md << "\n### " << f.name << "\n\n"
       << "```c\n" << f.c_signature() << "\n```\n\n"
       << "```lua\n" << f.lua_call() << "\n```\n\n"
       << f.description << "\n\n"
       << "Help text: `" << f.help << "`\n";
  }
  return {"docs/api.md", md.str()};
}

generated_file api_html(const std::vector<documented_function>& functions) {
  std::ostringstream html;
  html << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
       << "<title>reaper_KELVARO_COBALT script functions</title>\n"
       << "<style>body{font-family:sans-serif;max-width:60em;margin:auto;padding:1em}"
          "pre{background:#f4f4f4;padding:.5em;overflow-x:auto}h3{margin-top:2em}</style>\n"
       << "</head>\n<body>\n<h1>reaper_KELVARO_COBALT script functions</h1>\n"
       << "<p>Generated from the library's declarations; do not edit.</p>\n"
       << "<p>" << functions.size() << " functions registered with REAPER for Lua, EEL and Python ReaScripts. "
       << html_escaped(calling_convention) << "</p>\n<ul>\n";
  for (const auto& f : functions)
    html << "<li><a href=\"#" << anchor(f.name) << "\">" << f.name << "</a></li>\n";
  html << "</ul>\n";
  for (const auto& f : functions) {
    html << "<h3 id=\"" << anchor(f.name) << "\">" << f.name << "</h3>\n"
         << "<pre><code>" << html_escaped(f.c_signature()) << "</code></pre>\n"
         << "<pre><code>" << html_escaped(f.lua_call()) << "</code></pre>\n"
         << "<p>" << html_escaped(f.description) << "</p>\n"
         << "<p>Help text: <code>" << html_escaped(f.help) << "</code></p>\n";
  }
  html << "</body>\n</html>\n";
  return {"docs/api.html", html.str()};
}

generated_file lua_definitions(const std::vector<documented_function>& functions) {
  std::set<std::string> handle_types;
  auto note_handle = [&](const std::string& type) {
    const std::string lua = lua_type(type);
    if (lua.ends_with("|nil") && lua != "string|nil" && lua != "lightuserdata|nil")
      handle_types.insert(lua.substr(0, lua.size() - 4));
  };
  std::ostringstream body;
  for (const auto& f : functions) {
    body << "\n---" << f.description << "\n";
    std::string arguments;
    for (const auto& a : f.lua_arguments()) {
      note_handle(a.c_type);
      body << "---@param " << a.name << " " << lua_type(a.c_type) << "\n";
      arguments += (arguments.empty() ? "" : ", ") + a.name;
    }
    for (const auto& r : f.lua_results()) {
      note_handle(r.c_type);
      body << "---@return " << lua_type(r.c_type) << " " << r.name << "\n";
    }
    body << "function reaper." << f.name << "(" << arguments << ") end\n";
  }
  std::ostringstream lua;
  lua << "---@meta\n-- reaper_KELVARO_COBALT: the KV_ functions it registers with REAPER, for the Lua language\n"
      << "-- server. Generated from the library's declarations; do not edit.\n\n";
  for (const auto& type : handle_types) lua << "---@class " << type << ": lightuserdata\n";
  lua << "\nreaper = reaper or {}\n" << body.str();
  return {"docs/luals/reaper_KELVARO_COBALT.lua", lua.str()};
}

}  // namespace kv_docs
