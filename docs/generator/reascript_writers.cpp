// Python ReaScript wrappers: the host's RPR_ functions for kvhost's
// reaper_python module, and the extension's own wrapper module.
#include <algorithm>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include "api/media_functions.hpp"
#include "api/project_state_functions.hpp"
#include "api/reaper_functions.hpp"
#include "api/runner_functions.hpp"
#include "data/reaper_functions.hpp"
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

// Parameters that come back in the result tuple with new values. A const
// char** goes to the host by reference, but the script gets back what it passed.
bool changes(const std::string& type) {
  return type == "char*" || type == "int*" || type == "double*" || type == "bool*";
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
  return (changes(p.type) && p.type != "char*") || p.type == "const char**" ? "byref(" + slot + ")" : slot;
}

std::string read_back(const parameter& p, std::size_t i) {
  const std::string slot = "_t[" + std::to_string(i) + "]";
  if (p.type == "char*") return "rpr_unpacks(" + slot + ")";
  if (p.type == "double*") return "float(" + slot + ".value)";
  return "int(" + slot + ".value)";
}

std::string result_of(const std::string& type) {
  if (type == "const char*") return "_r.decode()";  // a null result raises AttributeError
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

// A function as a Python ReaScript calls it.
struct script_function {
  std::string python_name, c_name, result;
  std::vector<parameter> parameters;
  std::string doc;
};

// Where the extension's wrapper mends REAPER's conventions: REAPER turns a
// project that does not validate into 0, the current project, and passes a
// buffer's _sz as the script gave it, larger than the buffer too; the
// extension's wrapper refuses the project and passes at most the buffer's size.
enum class mends { as_reaper, extension };

// Parameter i is the size of the char* buffer before it (nameOut, nameOut_sz).
bool sizes_buffer(const std::vector<parameter>& parameters, std::size_t i) {
  return i > 0 && parameters[i].type == "int" && parameters[i - 1].type == "char*" &&
         parameters[i].name == parameters[i - 1].name + "_sz";
}

// One wrapper: each call goes through a CFUNCTYPE of the C signature; the
// result alone, or the result and every parameter when anything comes back.
void write_wrapper(std::ostream& py, const script_function& f, mends mended) {
  std::string names, types = ctypes_type(f.result), packs, args, returned;
  bool tuple = false;
  for (std::size_t i = 0; i < f.parameters.size(); ++i) {
    const auto& p = f.parameters[i];
    names += (i ? ", " : "") + p.name;
    types += ", " + ctypes_type(p.type);
    const bool checked = mended == mends::extension && p.type == "ReaProject*";
    const bool sized = mended == mends::extension && sizes_buffer(f.parameters, i);
    packs += (i ? ", " : "") + (checked ? "_kv_project(" + p.name + ")" : sized ? p.name : packed(p));
    args += (i ? ", " : "") +
            (sized ? "_kv_size(_t[" + std::to_string(i - 1) + "], _t[" + std::to_string(i) + "])" : passed(p, i));
    tuple = tuple || changes(p.type);
    returned += ", " + (changes(p.type) ? read_back(p, i) : p.name);
  }
  py << "\n\ndef " << f.python_name << "(" << names << "):\n";
  if (!f.doc.empty()) py << "  \"\"\"" << quoted_doc(f.doc) << "\"\"\"\n";
  py << "  _f = CFUNCTYPE(" << types << ")(rpr_getfp('" << f.c_name << "'))\n";
  if (!f.parameters.empty()) py << "  _t = (" << packs << (f.parameters.size() == 1 ? ",)\n" : ")\n");
  py << "  " << (f.result == "void" ? "" : "_r = ") << "_f(" << args << ")\n";
  if (tuple) {
    const std::string first = f.result == "void" ? returned.substr(2) : result_of(f.result) + returned;
    py << "  return (" << first << ")\n";
  } else if (f.result != "void") {
    py << "  return " << result_of(f.result) << "\n";
  }
}

// The Python type a script passes for a parameter; handles are strings, None the null one.
std::string argument_type(const std::string& type) {
  if (type == "bool") return "bool";
  if (type == "int" || type == "int*" || type == "bool*") return "int";
  if (type == "double" || type == "double*") return "float";
  if (type == "const char*" || type == "char*" || type == "const char**") return "str";
  if (is_handle(type)) return "Optional[str]";
  throw std::runtime_error("no Python ReaScript type for " + type);
}

// The Python type of a result or of a value read back; bool comes back as c_byte's int.
std::string returned_type(const std::string& type) {
  if (type == "void") return "None";
  if (type == "bool" || type == "int" || type == "int*" || type == "bool*") return "int";
  if (type == "double" || type == "double*") return "float";
  if (type == "const char*" || type == "char*") return "str";
  if (is_handle(type)) return "str";
  throw std::runtime_error("no Python ReaScript type for " + type);
}

// The stub of one wrapper: what write_wrapper takes and returns, typed.
void write_stub(std::ostream& pyi, const script_function& f) {
  std::string names, returned = f.result == "void" ? "" : returned_type(f.result);
  bool tuple = false;
  for (const auto& p : f.parameters) {
    names += (names.empty() ? "" : ", ") + p.name + ": " + argument_type(p.type);
    tuple = tuple || changes(p.type);
    const std::string back = changes(p.type) ? returned_type(p.type) : argument_type(p.type);
    returned += (returned.empty() ? "" : ", ") + back;
  }
  const std::string result = tuple ? "Tuple[" + returned + "]" : returned_type(f.result);
  pyi << "\n\ndef " << f.python_name << "(" << names << ") -> " << result << ":\n";
  if (!f.doc.empty()) pyi << "  \"\"\"" << quoted_doc(f.doc) << "\"\"\"\n";
  pyi << "  ...\n";
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
  KVHOST_RUNNER_FUNCTIONS(KV_DOCS_HOST)
  KVHOST_PROJECT_STATE_FUNCTIONS(KV_DOCS_HOST)
  KVHOST_REAPER_FUNCTIONS(KV_DOCS_HOST)
#undef KV_DOCS_HOST
  return functions;
}

// Not for scripts: registration, growing a buffer inside a call, functions
// filling arrays that one byref value would overrun, and ValidatePtr, which
// the module offers as a helper of its own that takes an integer address.
bool for_scripts(std::string_view name) {
  return name != "plugin_register" && name != "realloc_cmd_ptr" && name != "GetMediaItemTake_Peaks" &&
         name != "GetAudioAccessorSamples" && name != "ValidatePtr";
}

// A note for a name the host does not offer would never be shown.
void check_notes(const std::vector<host_function>& offered) {
  auto offers = [&](std::string_view name) {
    return std::any_of(offered.begin(), offered.end(), [&](const host_function& f) { return f.name == name; });
  };
#define KV_DOCS_NOTED(function, note) \
  if (!offers(#function)) throw std::runtime_error("a note for " #function ", which the host does not offer");
  KVHOST_FUNCTION_NOTES(KV_DOCS_NOTED)
#undef KV_DOCS_NOTED
}

std::vector<script_function> host_script_functions() {
  std::vector<script_function> functions;
  check_notes(host_functions());
  for (const auto& f : host_functions()) {
    if (!for_scripts(f.name)) continue;
    auto parsed = kvhost::parse_definition(f.definition);
    functions.push_back({"RPR_" + std::string(f.name), std::string(f.name), parsed.result, std::move(parsed.parameters),
                         host_function_note(f.name)});
  }
  return functions;
}

std::vector<script_function> extension_script_functions(const documentation& docs) {
  std::vector<script_function> functions;
  for (const auto& f : docs.registered)
    functions.push_back({f.name, f.name, f.result, f.parameters, f.help + "\n\n  " + f.description});
  return functions;
}

// REAPER's functions without a wrapper here: in the module they exist, and
// stop the run when called. The script engine's own (RPR_defer and its kin)
// are the module's helpers; get_action_context has no Python form.
std::vector<std::string> unwrapped_reaper_functions() {
  std::set<std::string> wrapped{"ValidatePtr"};
  for (const auto& f : host_script_functions()) wrapped.insert(f.c_name);
  std::vector<std::string> names;
  for (std::string_view name : kvhost::reaper_function_names())
    if (!wrapped.count(std::string(name)) && !kvhost::is_script_engine_function(name)) names.emplace_back(name);
  return names;
}

}  // namespace

std::string host_function_note(std::string_view name) {
#define KV_DOCS_NOTE(function, note) \
  if (name == #function) return note;
  KVHOST_FUNCTION_NOTES(KV_DOCS_NOTE)
#undef KV_DOCS_NOTE
  return "";
}

generated_file reaper_python_functions(const documentation&) {
  std::ostringstream py;
  py << "# Generated by kv_docgen from the host function declarations; do not edit.\n"
     << "# The host's functions as RPR_<name>, with REAPER's Python conventions. As REAPER's\n"
     << "# module it has no __all__: `from reaper_python import *` gives re and ctypes' names too.\n"
     << "import re\nfrom ctypes import *\nfrom reaper_python_core import *\n";
  for (const auto& f : host_script_functions()) write_wrapper(py, f, mends::as_reaper);
  py << "\n\n# REAPER's functions kvhost does not simulate: calling one stops the run.\n"
     << "from reaper_python_core import _not_implemented  # noqa: E402\n\n";
  for (const auto& name : unwrapped_reaper_functions())
    py << "RPR_" << name << " = _not_implemented('" << name << "')\n";
  return {"host/python/reaper_python.py", py.str()};
}

generated_file reaper_python_stub(const documentation&) {
  std::ostringstream pyi;
  pyi << "# Generated by kv_docgen from the host function declarations; do not edit.\n"
      << "# Types of kvhost's reaper_python: the helpers and the host's functions as RPR_<name>,\n"
      << "# and what the module gives a script besides, as REAPER's does.\n"
      << "import ctypes\nimport re as re\nfrom ctypes import *\nfrom typing import NoReturn, Optional, Tuple\n\n\n"
      << "def rpr_getfp(name: str) -> int: ...\n"
      << "def rpr_packp(ctype: str, v: object) -> int: ...\n"
      << "def rpr_unpackp(ctype: str, v: Optional[int]) -> str: ...\n"
      << "def rpr_packsc(v: object) -> bytes: ...\n"
      << "def rpr_packs(v: object) -> ctypes.Array[ctypes.c_char]: ...\n"
      << "def rpr_unpacks(v: ctypes.Array[ctypes.c_char]) -> str: ...\n"
      << "def RPR_ValidatePtr(pointer: int, ctypename: str) -> int: ...\n"
      << "def RPR_defer(code: str) -> None: ...\n"
      << "def RPR_runloop(code: str) -> None: ...\n"
      << "def RPR_atexit(code: str) -> None: ...\n";
  for (const auto& f : host_script_functions()) write_stub(pyi, f);
  pyi << "\n\n# REAPER's functions kvhost does not simulate: calling one stops the run.\n";
  for (const auto& name : unwrapped_reaper_functions())
    pyi << "def RPR_" << name << "(*args: object) -> NoReturn: ...\n";
  return {"host/python/reaper_python.pyi", pyi.str()};
}

generated_file extension_python_module(const documentation& docs) {
  std::ostringstream py;
  py << "# Generated by kv_docgen from the library's declarations; do not edit.\n"
     << "# The extension's functions for Python ReaScripts, with REAPER's conventions:\n"
     << "#   sys.path.append(RPR_GetResourcePath() + \"/UserPlugins\")\n"
     << "#   from reaper_KELVARO_COBALT_python import *\n"
     << "# Two mends: a project handle that does not validate raises ValueError\n"
     << "# instead of becoming the current project (None is the current project),\n"
     << "# and a buffer's _sz beyond the buffer's size passes as that size.\n"
     << "import re as _re\n"
     << "from ctypes import CFUNCTYPE, POINTER, byref, c_byte, c_char_p, c_double, c_int, c_uint64, sizeof\n"
     << "from reaper_python import *\n\n\n"
     << "def _kv_project(v):\n"
     << "  p = rpr_packp('ReaProject*', v)\n"
     << "  if p or v is None or (isinstance(v, str) and _re.fullmatch(r'\\(ReaProject\\*\\)0x0+\\n?', v)):\n"
     << "    return p\n"
     << "  raise ValueError('%r names no open project (None is the current one)' % (v,))\n\n\n"
     << "def _kv_size(buffer, size):\n"
     << "  # The library writes up to size - 1 bytes and a NUL: never more than the buffer holds.\n"
     << "  return c_int(min(size, sizeof(buffer)))\n";
  for (const auto& f : extension_script_functions(docs)) write_wrapper(py, f, mends::extension);
  // Its own names only: none of what it imported from reaper_python and ctypes.
  py << "\n\n__all__ = [name for name in list(globals()) if name.startswith(\"KV_\")]\n";
  return {"src/binding/python/reaper_KELVARO_COBALT_python.py", py.str()};
}

generated_file extension_python_stub(const documentation& docs) {
  std::ostringstream pyi;
  pyi << "# Generated by kv_docgen from the library's declarations; do not edit.\n"
      << "# Types of reaper_KELVARO_COBALT_python: the extension's functions for Python ReaScripts.\n"
      << "from typing import Optional, Tuple\n";
  for (const auto& f : extension_script_functions(docs)) write_stub(pyi, f);
  return {"src/binding/python/reaper_KELVARO_COBALT_python.pyi", pyi.str()};
}

}  // namespace kv_docs
