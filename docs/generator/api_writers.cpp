// The registered functions as Markdown, as an HTML page and as Lua language
// server definitions.
#include <set>
#include <sstream>

#include "text_forms.hpp"
#include "writers.hpp"

namespace kv_docs {
namespace {

const char* lua_module_intro =
    "`local kv = require(\"reaper_KELVARO_COBALT\")` loads the same library file as a Lua 5.3 module (its folder "
    "on `package.cpath`); the module table is also the global `KV_COBALT`. Each function returns the builder's "
    "success flag and a new table (and a count where shown); handle arguments are light userdata, nil for none.";

const char* python_intro =
    "Exported C functions for Python's ctypes (the `python/kv_cobalt` package wraps them). List results are "
    "pooled and come back as a 64-bit handle, read with the pool functions and released with `py_release_obj`. "
    "Texts are written into caller buffers of 1024 bytes.";

std::string list_content(const documented_list_function& f) {
  if (f.element == "string") return "texts";
  if (f.element == "MediaTrack") return "track handles";
  return f.element + " records (tables of their present fields)";
}

const char* calling_convention =
    "Outputs (parameters whose names end in `Out`) are not passed from Lua: they come back after the "
    "result, in parameter order. Buffer sizes (`_sz`) are supplied by the host. A `nil` project is the "
    "current project.";

}  // namespace

generated_file api_markdown(const documentation& docs) {
  const auto& functions = docs.registered;
  std::ostringstream md;
  md << "# reaper_KELVARO_COBALT script functions\n\n"
     << "Generated from the library's declarations by `cmake --build build --target generated`; do not edit.\n\n"
     << functions.size() << " functions registered with REAPER for Lua, EEL and Python ReaScripts. "
     << calling_convention << "\n\n";
  for (const auto& f : functions) md << "- [" << f.name << "](#" << anchor(f.name) << ")\n";
  for (const auto& f : functions) {
    md << "\n### " << f.name << "\n\n"
       << "```c\n" << f.c_signature() << "\n```\n\n"
       << "```lua\n" << f.lua_form() << "\n```\n\n"
       << f.description << "\n\n"
       << "Help text: `" << f.help << "`\n";
  }
  md << "\n## Lua module\n\n" << lua_module_intro << "\n";
  for (const auto& f : docs.lists)
    md << "\n### KV_COBALT.KV_" << f.name << "\n\n```lua\n" << f.lua_form() << "\n```\n\n" << f.description
       << " The list holds " << list_content(f) << ".\n";
  md << "\n## C interface for Python\n\n" << python_intro << "\n\n### List functions\n";
  for (const auto& f : docs.lists)
    md << "\n```c\n" << f.c_signature() << "\n```\n\n" << f.description << "\n";
  md << "\n### Pool functions\n";
  for (const auto& f : docs.pool) md << "\n```c\n" << f.c_signature() << "\n```\n\n" << f.description << "\n";
  return {"docs/api.md", md.str()};
}

generated_file api_html(const documentation& docs) {
  const auto& functions = docs.registered;
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
         << "<pre><code>" << html_escaped(f.lua_form()) << "</code></pre>\n"
         << "<p>" << html_escaped(f.description) << "</p>\n"
         << "<p>Help text: <code>" << html_escaped(f.help) << "</code></p>\n";
  }
  html << "<h2>Lua module</h2>\n<p>" << html_escaped(lua_module_intro) << "</p>\n";
  for (const auto& f : docs.lists)
    html << "<h3 id=\"lua_" << anchor(f.name) << "\">KV_COBALT.KV_" << f.name << "</h3>\n<pre><code>"
         << html_escaped(f.lua_form()) << "</code></pre>\n<p>" << html_escaped(f.description) << " The list holds "
         << html_escaped(list_content(f)) << ".</p>\n";
  html << "<h2>C interface for Python</h2>\n<p>" << html_escaped(python_intro) << "</p>\n";
  for (const auto& f : docs.lists)
    html << "<pre><code>" << html_escaped(f.c_signature()) << "</code></pre>\n<p>" << html_escaped(f.description)
         << "</p>\n";
  for (const auto& f : docs.pool)
    html << "<pre><code>" << html_escaped(f.c_signature()) << "</code></pre>\n<p>" << html_escaped(f.description)
         << "</p>\n";
  html << "</body>\n</html>\n";
  return {"docs/api.html", html.str()};
}

generated_file lua_definitions(const documentation& docs) {
  const auto& functions = docs.registered;
  std::set<std::string> handle_types;
  auto note_handle = [&](const std::string& type) {
    const std::string lua = lua_type(type);
    if (lua.ends_with("|nil") && lua != "string|nil" && lua != "lightuserdata|nil")
      handle_types.insert(lua.substr(0, lua.size() - 4));
  };
  std::ostringstream body;
  // The @param lines; the argument list of the function.
  auto parameters = [&](const std::vector<script_value>& values) {
    std::string arguments;
    for (const auto& a : values) {
      note_handle(a.c_type);
      body << "---@param " << a.name << " " << lua_type(a.c_type) << "\n";
      arguments += (arguments.empty() ? "" : ", ") + a.name;
    }
    return arguments;
  };
  for (const auto& f : functions) {
    body << "\n---" << f.description << "\n";
    const std::string arguments = parameters(f.lua_arguments());
    for (const auto& r : f.lua_results()) {
      note_handle(r.c_type);
      body << "---@return " << lua_type(r.c_type) << " " << r.name << "\n";
    }
    body << "function reaper." << f.name << "(" << arguments << ") end\n";
  }
  body << "\n---The list functions of `require(\"reaper_KELVARO_COBALT\")`, also the global KV_COBALT.\n"
       << "---@class KV_COBALT\nKV_COBALT = {}\n";
  std::set<std::string> record_types;
  for (const auto& f : docs.lists) {
    body << "\n---" << f.description << "\n";
    std::vector<script_value> inputs;
    for (const auto& p : f.inputs()) inputs.push_back({p.name, p.type});
    const std::string arguments = parameters(inputs);
    if (f.element != "string" && f.element != "MediaTrack") record_types.insert(f.element);
    body << "---@return boolean ok\n---@return " << f.element << "[] list\n";
    if (f.counted) body << "---@return integer count\n";
    body << "function KV_COBALT.KV_" << f.name << "(" << arguments << ") end\n";
  }
  std::ostringstream lua;
  lua << "---@meta\n-- reaper_KELVARO_COBALT: the KV_ functions it registers with REAPER, for the Lua language\n"
      << "-- server. Generated from the library's declarations; do not edit.\n\n";
  for (const auto& type : handle_types) lua << "---@class " << type << ": lightuserdata\n";
  for (const auto& type : record_types) lua << "---@class " << type << ": table<string, any> a record: its present fields by name\n";
  lua << "\nreaper = reaper or {}\n" << body.str();
  return {"docs/luals/reaper_KELVARO_COBALT.lua", lua.str()};
}

}  // namespace kv_docs
