// Python ReaScript wrappers: the host's RPR_ functions for kvhost's
// reaper_python module, and the extension's own wrapper module.
#include <sstream>
#include <stdexcept>
#include <string_view>

#include "api/media_functions.hpp"
#include "definition.hpp"
#include "host_functions.hpp"
#include "writers.hpp"

namespace kv_docs {
namespace {

using kvhost::parameter;

bool is_handle(const std::string& type) {
  return type == "void*" || (type.ends_with("*") && type != "char*" && type != "const char*" && type != "int*" &&
                             type != "double*" && type != "bool*" && !type.ends_with("**"));
}

// The ctypes type of the C signature; bool is c_byte both ways.
std::string ctypes_type(const std::string& type) {
  if (type == "void") return "None";
  if (type == "bool") return "c_byte";
  if (type == "int") return "c_int";
  if (type == "double") return "c_double";
  if (type == "const char*" || type == "char*") return "c_char_p";
  if (type == "int*") return "POINTER(c_int)";
  if (type == "double*") return "POINTER(c_double)";
  if (type == "bool*") return "POINTER(c_byte)";
  if (type == "const char**") return "POINTER(c_char_p)";
  if (is_handle(type)) return "c_uint64";
  throw std::runtime_error("no Python ReaScript form for " + type);
}

// Parameters that come back in the result tuple with new values.
bool changes(const std::string& type) {
  return type == "char*" || type == "int*" || type == "double*" || type == "bool*" || type == "const char**";
}

// What the script's value becomes before the call.
std::string packed(const parameter& p) {
  const auto& t = p.type;
  if (t == "bool") return "c_byte(" + p.name + ")";
  if (t == "int") return "c_int(" + p.name + ")";
  if (t == "double") return "c_double(" + p.name + ")";
  if (t == "const char*") return "rpr_packsc(" + p.name + ")";
  if (t == "char*") return "rpr_packs(" + p.name + ")";
  if (t == "int*") return "c_int(" + p.name + ")";
  if (t == "double*") return "c_double(" + p.name + ")";
  if (t == "bool*") return "c_byte(" + p.name + ")";
  if (t == "const char**") return "c_char_p()";
  return "rpr_packp('" + t + "', " + p.name + ")";
}

std::string passed(const parameter& p, std::size_t i) {
  const std::string slot = "_t[" + std::to_string(i) + "]";
  return changes(p.type) && p.type != "char*" ? "byref(" + slot + ")" : slot;
}

std::string read_back(const parameter& p, std::size_t i) {
  const std::string slot = "_t[" + std::to_string(i) + "]";
  if (p.type == "char*") return "rpr_unpacks(" + slot + ")";
  if (p.type == "double*") return "float(" + slot + ".value)";
  if (p.type == "const char**") return "rpr_unpackc(" + slot + ".value)";
  return "int(" + slot + ".value)";
}

std::string result_of(const std::string& type) {
  if (type == "const char*") return "rpr_unpackc(_r)";
  if (is_handle(type)) return "rpr_unpackp('" + type + "', _r)";
  return "_r";
}

std::string quoted_doc(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == '\\' || c == '"') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

// One wrapper: each call goes through a CFUNCTYPE of the C signature; the
// result alone, or the result and every parameter when anything comes back.
void write_wrapper(std::ostream& py, const std::string& python_name, const std::string& c_name,
                   const std::string& result, const std::vector<parameter>& parameters, const std::string& doc) {
  std::string names, types = ctypes_type(result), packs, args, returned;
  bool tuple = false;
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const auto& p = parameters[i];
    names += (i ? ", " : "") + p.name;
    types += ", " + ctypes_type(p.type);
    packs += (i ? ", " : "") + packed(p);
    args += (i ? ", " : "") + passed(p, i);
    tuple = tuple || changes(p.type);
    returned += ", " + (changes(p.type) ? read_back(p, i) : p.name);
  }
  py << "\n\ndef " << python_name << "(" << names << "):\n";
  if (!doc.empty()) py << "  \"\"\"" << quoted_doc(doc) << "\"\"\"\n";
  py << "  _f = CFUNCTYPE(" << types << ")(rpr_getfp('" << c_name << "'))\n";
  if (!parameters.empty()) py << "  _t = (" << packs << (parameters.size() == 1 ? ",)\n" : ")\n");
  py << "  " << (result == "void" ? "" : "_r = ") << "_f(" << args << ")\n";
  if (tuple) {
    const std::string first = result == "void" ? returned.substr(2) : result_of(result) + returned;
    py << "  return (" << first << ")\n";
  } else if (result != "void") {
    py << "  return " << result_of(result) << "\n";
  }
}

struct host_function {
  std::string_view name;
  const char* definition;
};

std::vector<host_function> host_functions() {
  std::vector<host_function> functions;
#define KV_DOCS_HOST(name, ret, params) \
  functions.push_back({#name, kv_registry::definition<ret params, #params, "">::text.data()});
  KV_HOST_FUNCTIONS(KV_DOCS_HOST)
  KVHOST_MEDIA_FUNCTIONS(KV_DOCS_HOST)
#undef KV_DOCS_HOST
  return functions;
}

// Not for scripts: registration, growing a buffer inside a call, and
// functions filling arrays that one byref value would overrun.
bool for_scripts(std::string_view name) {
  return name != "plugin_register" && name != "realloc_cmd_ptr" && name != "GetMediaItemTake_Peaks" &&
         name != "GetAudioAccessorSamples";
}

}  // namespace

generated_file reaper_python_functions(const documentation&) {
  std::ostringstream py;
  py << "# Generated by kv_docgen from the host function declarations; do not edit.\n"
     << "# The host's functions as RPR_<name>, with REAPER's Python conventions.\n"
     << "from reaper_python_core import *\n";
  for (const auto& f : host_functions()) {
    if (!for_scripts(f.name)) continue;
    const auto parsed = kvhost::parse_definition(f.definition);
    write_wrapper(py, "RPR_" + std::string(f.name), std::string(f.name), parsed.result, parsed.parameters, "");
  }
  return {"host/python/reaper_python.py", py.str()};
}

generated_file extension_python_module(const documentation& docs) {
  std::ostringstream py;
  py << "# Generated by kv_docgen from the library's declarations; do not edit.\n"
     << "# The extension's functions for Python ReaScripts, with REAPER's conventions:\n"
     << "#   sys.path.append(RPR_GetResourcePath() + \"/UserPlugins\")\n"
     << "#   from reaper_KELVARO_COBALT_python import *\n"
     << "from reaper_python import *\n";
  for (const auto& f : docs.registered)
    write_wrapper(py, f.name, f.name, f.result, f.parameters, f.help + "\n\n  " + f.description);
  return {"src/binding/python/reaper_KELVARO_COBALT_python.py", py.str()};
}

}  // namespace kv_docs
