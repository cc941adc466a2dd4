#include "binding_model.hpp"

#include <string_view>
#include <type_traits>

#include "binding/list_builder.hpp"
#include "binding/list_functions.hpp"
#include "binding/python/pool_functions.hpp"

namespace kv_docs {
namespace {

std::string trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return std::string(text);
}

// "ReaProject *" -> "ReaProject*", "std::uint64_t" -> "uint64_t".
std::string c_type(std::string type) {
  for (std::string::size_type at; (at = type.find(" *")) != std::string::npos;) type.erase(at, 1);
  if (type.starts_with("std::")) type.erase(0, 5);
  return trimmed(type);
}

std::string join_declared(const std::vector<kvhost::parameter>& parameters) {
  std::string text;
  for (const auto& p : parameters) text += (text.empty() ? "" : ", ") + p.type + " " + p.name;
  return text;
}

template <auto Builder>
std::string element_of() {
  using traits = list_binding::builder_traits<Builder>;
  using element = typename traits::element;
  constexpr auto shape = list_binding::shape_of<element>();
  if constexpr (shape == list_binding::shape::texts)
    return "string";
  else if constexpr (shape == list_binding::shape::records)
    return element::type_name;
  else
    return "MediaTrack";
}

template <auto Builder>
bool counted() {
  return list_binding::builder_traits<Builder>::counted;
}

}  // namespace

std::vector<kvhost::parameter> parse_parameters(const std::string& declared) {
  std::vector<kvhost::parameter> parameters;
  std::string_view text(declared);
  if (!text.empty() && text.front() == '(') text.remove_prefix(1);
  if (!text.empty() && text.back() == ')') text.remove_suffix(1);
  while (!trimmed(text).empty()) {
    const auto comma = text.find(',');
    const std::string one = trimmed(text.substr(0, comma));
    const auto name_at = one.find_last_of(" *&") + 1;
    parameters.push_back({c_type(one.substr(0, name_at)), one.substr(name_at)});
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return parameters;
}

std::vector<kvhost::parameter> documented_list_function::inputs() const {
  std::vector<kvhost::parameter> in;
  for (const auto& p : parameters)
    if (p.name != "handleOut" && p.name != "countOut") in.push_back(p);
  return in;
}

std::string documented_list_function::lua_form() const {
  std::string arguments;
  for (const auto& p : inputs()) arguments += (arguments.empty() ? "" : ", ") + p.name;
  return std::string("local ok, list") + (counted ? ", count" : "") + " = KV_COBALT.KV_" + name + "(" + arguments + ")";
}

std::string documented_list_function::c_signature() const {
  return "bool py_" + name + "(" + join_declared(parameters) + ")";
}

std::string documented_pool_function::c_signature() const {
  return result + " " + name + "(" + join_declared(parameters) + ")";
}

std::vector<documented_list_function> list_functions() {
  return {
#define KV_DOC_LIST(name, params, args, description) \
  {#name, parse_parameters(#params), element_of<&KV_COBALT::name>(), counted<&KV_COBALT::name>(), description},
      KV_LIST_FUNCTIONS(KV_DOC_LIST)
#undef KV_DOC_LIST
  };
}

std::vector<documented_pool_function> pool_functions() {
  return {
#define KV_DOC_POOL(ret, name, params, description) {c_type(#ret), #name, parse_parameters(#params), description},
      KV_PYTHON_POOL_FUNCTIONS(KV_DOC_POOL)
#undef KV_DOC_POOL
  };
}

}  // namespace kv_docs
