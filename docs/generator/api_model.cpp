#include "api_model.hpp"

#include <set>
#include <string_view>

#include "entry/registry.hpp"
#include "operation_docs.hpp"

namespace kv_docs {
namespace {

// Lua names a script cannot take for a local without hiding something it needs.
bool taken_in_lua(const std::string& name) {
  static const std::set<std::string> taken{"and",    "break",  "do",    "else",  "end",   "false",  "for",   "function",
                                           "goto",   "if",     "in",    "local", "nil",   "not",    "or",    "repeat",
                                           "return", "then",   "true",  "until", "while", "string", "table", "type",
                                           "next",   "select", "error", "print", "math",  "io",     "os",    "utf8"};
  return taken.contains(name);
}

// colorOut -> color, startInOut -> start, as a script writer names the value; the full name where that is taken.
std::string without_output_suffix(const std::string& name) {
  for (std::string_view suffix : {"OutNeedBig", "OutOptional", "InOut", "Out"}) {
    if (name.size() <= suffix.size() || !name.ends_with(suffix)) continue;
    std::string plain = name.substr(0, name.size() - suffix.size());
    return taken_in_lua(plain) ? name : plain;
  }
  return name;
}

std::string result_name(const std::string& type) {
  if (type == "bool") return "ok";
  if (type == "MediaTrack*") return "track";
  if (type == "MediaItem*") return "item";
  return "result";
}

std::string join(const std::vector<std::string>& parts, const char* separator) {
  std::string text;
  for (const auto& part : parts) text += (text.empty() ? "" : separator) + part;
  return text;
}

}  // namespace

std::string documented_function::c_signature() const {
  std::vector<std::string> declared;
  for (const auto& p : parameters) declared.push_back(p.type + " " + p.name);
  return result + " " + name + "(" + join(declared, ", ") + ")";
}

std::vector<script_value> documented_function::lua_arguments() const {
  std::vector<script_value> arguments;
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const auto role = kvhost::role_of(parameters, i);
    if (role == kvhost::parameter_role::input || role == kvhost::parameter_role::in_out)
      arguments.push_back({parameters[i].name, parameters[i].type});
  }
  return arguments;
}

std::vector<script_value> documented_function::lua_results() const {
  std::vector<script_value> results;
  if (result != "void") results.push_back({result_name(result), result});
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const auto role = kvhost::role_of(parameters, i);
    if (role == kvhost::parameter_role::output || role == kvhost::parameter_role::in_out)
      results.push_back({without_output_suffix(parameters[i].name), parameters[i].type});
  }
  return results;
}

std::string documented_function::lua_form() const {
  std::vector<std::string> in, out;
  for (const auto& a : lua_arguments()) in.push_back(a.name);
  for (const auto& r : lua_results()) out.push_back(r.name);
  const std::string call = "reaper." + name + "(" + join(in, ", ") + ")";
  return out.empty() ? call : "local " + join(out, ", ") + " = " + call;
}

std::vector<documented_function> registered_functions(std::vector<std::string>& problems) {
  const auto& table = KV_COBALT::api_define_list;
  const auto docs = operation_docs();
  if (docs.size() != static_cast<std::size_t>(table.count))
    problems.push_back("registry and documentation differ in size");
  std::vector<documented_function> functions;
  for (int row = 0; row < table.count && static_cast<std::size_t>(row) < docs.size(); ++row) {
    const auto definition = kvhost::parse_definition(table.records[row].definition);
    const std::string name = "KV_" + std::string(docs[row].name);
    if (std::string(table.records[row].api_key) != "API_" + name)
      problems.push_back(name + ": out of step with the registry");
    if (!*docs[row].description) problems.push_back(name + ": its declaration says nothing of what it does");
    functions.push_back({name, definition.result, definition.parameters, definition.help, docs[row].description});
  }
  return functions;
}

}  // namespace kv_docs
