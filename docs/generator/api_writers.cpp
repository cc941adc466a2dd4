// The registered functions as Markdown, as an HTML page and as Lua language
// server definitions.
#include <set>
#include <sstream>
#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

#include "object/kv_peak.hpp"
#include "object/track_detail.hpp"

#include "text_forms.hpp"
#include "writers.hpp"

namespace kv_docs {
namespace {

// Every field a record type can carry, with its Lua type, in key order.
std::vector<std::pair<std::string, std::string>> record_fields(const std::string& record) {
  std::vector<std::pair<std::string, std::string>> fields;
  auto add = [&](const char* key, const std::string& c_type) {
    const std::string lua = lua_type(c_type);
    fields.emplace_back(key, lua.ends_with("|nil") ? lua.substr(0, lua.size() - 4) : lua);
  };
  if (record == kv_object::TrackDetail::type_name) {
    kv_object::track_detail_fields holder;
    std::apply([&](const auto&... field) { (add(field.key, field.type_name), ...); }, holder.keyed());
  } else if (record == kv_object::kv_Peak::type_name) {
    for (const char* key : kv_object::peak_table::keys) add(key, "double");
  } else {
    throw std::runtime_error("no fields known for the record " + record);
  }
  return fields;
}

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

const char* page_title = "reaper_KELVARO_COBALT script functions";
const char* lua_module_anchor = "lua-module";
const char* python_anchor = "c-interface-for-python";

const char* stylesheet =
    "body{font-family:system-ui,sans-serif;line-height:1.45;max-width:60em;margin:auto;padding:0 1em 3em;"
    "color:#222;background:#fff}\n"
    "h2{margin-top:2.5em;border-bottom:1px solid #ccc}h3{margin:0 0 .4em;font-family:monospace;font-size:1.1em}\n"
    "pre{background:#f4f4f4;padding:.5em;overflow-x:auto}code{font-size:.95em}p code{background:#f4f4f4}\n"
    ".entry{border-left:3px solid #ddd;padding-left:.8em;margin:1.5em 0}.intro{font-style:italic}\n"
    ".filter{position:sticky;top:0;background:#fff;padding:.5em 0;margin:0;border-bottom:1px solid #eee}\n"
    "#filter{font:inherit;width:18em}#shown{color:#666}#contents h2{margin-top:1em}\n"
    "#contents ul ul{display:flex;flex-wrap:wrap;gap:0 1em;padding-left:1em;font-size:.9em}"
    "#contents ul ul li{list-style:none}\n"
    "[hidden]{display:none!important}\n";

// Hides every entry (and contents line) whose name does not hold the typed
// text, then every section and contents group left with nothing shown.
const char* filter_script =
    "(function () {\n"
    "  var box = document.getElementById('filter');\n"
    "  var shown = document.getElementById('shown');\n"
    "  var named = document.querySelectorAll('[data-name]');\n"
    "  var entries = document.querySelectorAll('article.entry');\n"
    "  function holdsShown(element, selector) {\n"
    "    return Array.prototype.some.call(element.querySelectorAll(selector), function (e) { return !e.hidden; });\n"
    "  }\n"
    "  function apply() {\n"
    "    var part = box.value.trim().toLowerCase();\n"
    "    named.forEach(function (e) { e.hidden = e.dataset.name.toLowerCase().indexOf(part) < 0; });\n"
    "    document.querySelectorAll('section').forEach(function (s) { s.hidden = !holdsShown(s, 'article.entry'); });\n"
    "    document.querySelectorAll('#contents li.group').forEach(function (g) {\n"
    "      var target = document.getElementById(g.firstElementChild.getAttribute('href').slice(1));\n"
    "      g.hidden = target.hidden;\n"
    "    });\n"
    "    var count = Array.prototype.filter.call(entries, function (e) { return !e.hidden; }).length;\n"
    "    shown.textContent = part ? count + ' of ' + entries.length + ' entries' : '';\n"
    "  }\n"
    "  box.addEventListener('input', apply);\n"
    "  apply();  // a browser may restore the box's text on reload\n"
    "})();\n";

}  // namespace

generated_file api_markdown(const documentation& docs) {
  std::ostringstream md;
  md << "# " << page_title << "\n\n"
     << "Generated from the library's declarations by `cmake --build build --target generated`; do not edit.\n\n"
     << docs.registered.size() << " functions registered with REAPER for Lua, EEL and Python ReaScripts, in "
     << docs.groups.size() << " groups. " << calling_convention << "\n\n## Contents\n\n";
  for (const auto& group : docs.groups) {
    md << "- [" << group.title << "](#" << group.anchor() << ")\n";
    for (const auto& f : group.functions) md << "  - [" << f.name << "](#" << anchor(f.name) << ")\n";
  }
  md << "- [Lua module](#" << lua_module_anchor << ")\n- [C interface for Python](#" << python_anchor << ")\n";
  for (const auto& group : docs.groups) {
    md << "\n## " << group.title << "\n\n" << group.summary << "\n";
    for (const auto& f : group.functions) {
      md << "\n### " << f.name << "\n\n"
         << "```c\n"
         << f.c_signature() << "\n```\n\n"
         << "```lua\n"
         << f.lua_form() << "\n```\n\n"
         << f.description << "\n\n"
         << "Help text: `" << f.help << "`\n";
    }
  }
  md << "\n## Lua module\n\n" << lua_module_intro << "\n";
  for (const auto& f : docs.lists)
    md << "\n### KV_COBALT.KV_" << f.name << "\n\n```lua\n"
       << f.lua_form() << "\n```\n\n"
       << f.description << " The list holds " << list_content(f) << ".\n";
  md << "\n## C interface for Python\n\n" << python_intro << "\n\n### List functions\n";
  for (const auto& f : docs.lists) md << "\n```c\n" << f.c_signature() << "\n```\n\n" << f.description << "\n";
  md << "\n### Pool functions\n";
  for (const auto& f : docs.pool) md << "\n```c\n" << f.c_signature() << "\n```\n\n" << f.description << "\n";
  return {"docs/api.md", md.str()};
}

generated_file api_html(const documentation& docs) {
  std::ostringstream html;
  // An entry is what the filter shows or hides, by its data-name.
  auto entry = [&](const std::string& id, const std::string& name, const std::string& heading) {
    html << "<article class=\"entry\"" << (id.empty() ? "" : " id=\"" + id + "\"") << " data-name=\"" << name << "\">\n"
         << (heading.empty() ? "" : "<h3>" + html_escaped(heading) + "</h3>\n");
  };
  auto code = [&](const std::string& text) { html << "<pre><code>" << html_escaped(text) << "</code></pre>\n"; };
  html << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
       << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
       << "<link rel=\"icon\" href=\"data:,\">\n<title>" << page_title << "</title>\n<style>\n"
       << stylesheet << "</style>\n</head>\n<body>\n<h1>" << page_title << "</h1>\n"
       << "<p>Generated from the library's declarations; do not edit.</p>\n"
       << "<p>" << docs.registered.size() << " functions registered with REAPER for Lua, EEL and Python ReaScripts, in "
       << docs.groups.size() << " groups. " << html_text(calling_convention) << "</p>\n"
       << "<p class=\"filter\"><label>Filter by name <input id=\"filter\" type=\"search\" autocomplete=\"off\" "
          "placeholder=\"part of a name\"></label> <span id=\"shown\" aria-live=\"polite\"></span></p>\n"
       << "<nav id=\"contents\">\n<h2>Contents</h2>\n<ul>\n";
  for (const auto& group : docs.groups) {
    html << "<li class=\"group\"><a href=\"#" << group.anchor() << "\">" << group.title << "</a>\n<ul>\n";
    for (const auto& f : group.functions)
      html << "<li data-name=\"" << f.name << "\"><a href=\"#" << anchor(f.name) << "\">" << f.name << "</a></li>\n";
    html << "</ul></li>\n";
  }
  html << "<li class=\"group\"><a href=\"#" << lua_module_anchor << "\">Lua module</a></li>\n"
       << "<li class=\"group\"><a href=\"#" << python_anchor << "\">C interface for Python</a></li>\n</ul>\n</nav>\n";
  for (const auto& group : docs.groups) {
    html << "<section id=\"" << group.anchor() << "\">\n<h2>" << group.title << "</h2>\n<p class=\"intro\">"
         << html_text(group.summary) << "</p>\n";
    for (const auto& f : group.functions) {
      entry(anchor(f.name), f.name, f.name);
      code(f.c_signature());
      code(f.lua_form());
      html << "<p>" << html_text(f.description) << "</p>\n"
           << "<p>Help text: <code>" << html_escaped(f.help) << "</code></p>\n</article>\n";
    }
    html << "</section>\n";
  }
  html << "<section id=\"" << lua_module_anchor << "\">\n<h2>Lua module</h2>\n<p class=\"intro\">"
       << html_text(lua_module_intro) << "</p>\n";
  for (const auto& f : docs.lists) {
    entry("lua_" + anchor(f.name), "KV_COBALT.KV_" + f.name, "KV_COBALT.KV_" + f.name);
    code(f.lua_form());
    html << "<p>" << html_text(f.description) << " The list holds " << html_escaped(list_content(f))
         << ".</p>\n</article>\n";
  }
  html << "</section>\n<section id=\"" << python_anchor << "\">\n<h2>C interface for Python</h2>\n<p class=\"intro\">"
       << html_text(python_intro) << "</p>\n";
  for (const auto& f : docs.lists) {
    entry("", "py_" + f.name, "");
    code(f.c_signature());
    html << "<p>" << html_text(f.description) << "</p>\n</article>\n";
  }
  for (const auto& f : docs.pool) {
    entry("", f.name, "");
    code(f.c_signature());
    html << "<p>" << html_text(f.description) << "</p>\n</article>\n";
  }
  html << "</section>\n<script>\n" << filter_script << "</script>\n</body>\n</html>\n";
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
  lua << "---@meta reaper_KELVARO_COBALT\n-- reaper_KELVARO_COBALT: the KV_ functions it registers with REAPER and\n"
      << "-- the module `local kv = require(\"reaper_KELVARO_COBALT\")`, for the Lua language server.\n"
      << "-- Generated from the library's declarations; do not edit.\n\n";
  for (const auto& type : handle_types) lua << "---@class " << type << ": lightuserdata\n";
  for (const auto& type : record_types) {
    lua << "\n---A " << type << " record: only the fields its list fills are present.\n---@class " << type << "\n";
    for (const auto& [key, field_type] : record_fields(type)) lua << "---@field " << key << "? " << field_type << "\n";
  }
  lua << "\nreaper = reaper or {}\n" << body.str() << "\nreturn KV_COBALT\n";
  return {"docs/luals/reaper_KELVARO_COBALT.lua", lua.str()};
}

}  // namespace kv_docs
