// The C interface for Python as the package's ctypes declarations and as a
// type stub of the loaded library.
#include <sstream>
#include <stdexcept>

#include "binding/python/pool_functions.hpp"
#include "writers.hpp"

namespace kv_docs {
namespace {

// The ctypes alias of python/kv_cobalt/_exports.py for a C type.
std::string ctypes_alias(const std::string& type) {
  if (type == "uint64_t") return "handle";
  if (type == "const char*") return "text";
  if (type == "char*") return "buffer";
  if (type == "int") return "integer";
  if (type == "double") return "number";
  if (type == "bool") return "boolean";
  if (type == "uint64_t*") return "handle_out";
  if (type == "int*") return "count_out";
  if (type == "double*") return "numbers_out";
  if (type == "uint8_t*") return "bytes_out";
  if (type == "void") return "None";
  if (type.ends_with("*")) return "address";  // void* and host handles
  throw std::runtime_error("no ctypes form for " + type);
}

// The Python type a caller passes or receives for a C type.
std::string python_type(const std::string& type) {
  if (type == "uint64_t" || type == "int") return "int";
  if (type == "double") return "float";
  if (type == "bool") return "bool";
  if (type == "void") return "None";
  if (type == "const char*") return "bytes";
  if (type == "char*") return "ctypes.Array[ctypes.c_char]";
  if (type == "double*") return "Optional[ctypes.Array[ctypes.c_double]]";
  if (type == "uint8_t*") return "Optional[ctypes.Array[ctypes.c_uint8]]";
  if (type == "uint64_t*" || type == "int*") return "Any";  // ctypes.byref(...) of a c_uint64 or c_int
  return "Optional[int]";                                   // an address: void* or a host handle
}

void declare(std::ostringstream& py, const std::string& name, const std::string& result,
             const std::vector<kvhost::parameter>& parameters) {
  py << "    \"" << name << "\": (" << ctypes_alias(result) << ", [";
  for (std::size_t i = 0; i < parameters.size(); ++i) py << (i ? ", " : "") << ctypes_alias(parameters[i].type);
  py << "]),\n";
}

void stub_method(std::ostringstream& pyi, const std::string& name, const std::string& result,
                 const std::vector<kvhost::parameter>& parameters, const std::string& description) {
  pyi << "    def " << name << "(self";
  for (const auto& p : parameters) pyi << ", " << p.name << ": " << python_type(p.type);
  pyi << ") -> " << python_type(result) << ":\n        \"\"\"" << description << "\"\"\"\n";
}

const char* generated_note = "Generated from the library's declarations by kv_docgen; do not edit.";

}  // namespace

generated_file python_exports(const documentation& docs) {
  std::ostringstream py;
  py << "\"\"\"Every exported py_ function of the library with its ctypes result and argument types, in the\n"
     << "library's declaration order. " << generated_note << "\"\"\"\n"
     << "import ctypes\nfrom typing import Dict, List, Optional, Tuple\n\n"
     << "handle = ctypes.c_uint64\ntext = ctypes.c_char_p\naddress = ctypes.c_void_p\ninteger = ctypes.c_int\n"
     << "number = ctypes.c_double\nboolean = ctypes.c_bool\nhandle_out = ctypes.POINTER(ctypes.c_uint64)\n"
     << "count_out = ctypes.POINTER(ctypes.c_int)\nnumbers_out = ctypes.POINTER(ctypes.c_double)\n"
     << "bytes_out = ctypes.POINTER(ctypes.c_uint8)\n\n"
     << "#: Bytes of every text buffer the library writes into (1023 bytes and a NUL).\n"
     << "TEXT_CAPACITY = " << python_api::text_capacity << "\n\n"
     << "#: What py_get_columns_inkvList writes per cell and per row.\n"
     << "CELL_ABSENT, CELL_INT, CELL_DOUBLE = " << +python_api::cell_absent << ", " << +python_api::cell_int << ", "
     << +python_api::cell_double << "\n"
     << "ROW_IN_CELLS, ROW_READ_BY_FIELD, ROW_NO_RECORD = " << +python_api::row_in_cells << ", "
     << +python_api::row_read_by_field << ", " << +python_api::row_no_record << "\n\n\n"
     << "class buffer:\n"
     << "    \"\"\"A ``char*`` the library writes up to TEXT_CAPACITY bytes into: None, or a\n"
     << "    char array of at least that size (``text_buffer()``). A shorter array or an\n"
     << "    immutable bytes object is refused (ctypes.ArgumentError), never overrun.\"\"\"\n\n"
     << "    @classmethod\n"
     << "    def from_param(cls, value: object) -> object:\n"
     << "        if value is None:\n"
     << "            return None\n"
     << "        if isinstance(value, ctypes.Array) and value._type_ is ctypes.c_char and len(value) >= "
        "TEXT_CAPACITY:\n"
     << "            return value\n"
     << "        raise TypeError(\"the library writes up to %d bytes here: pass text_buffer() or None\" % "
        "TEXT_CAPACITY)\n\n\n"
     << "# name: (result type, argument types)\nPOOL_FUNCTIONS: Dict[str, Tuple[Optional[type], List[type]]] = {\n";
  for (const auto& f : docs.pool) declare(py, f.name, f.result, f.parameters);
  py << "}\n\nLIST_FUNCTIONS: Dict[str, Tuple[Optional[type], List[type]]] = {\n";
  for (const auto& f : docs.lists) declare(py, "py_" + f.name, "bool", f.parameters);
  py << "}\n";
  return {"python/kv_cobalt/_exports.py", py.str()};
}

generated_file python_stub(const documentation& docs) {
  std::ostringstream pyi;
  pyi << "\"\"\"Types of the library as _native.load returns it. " << generated_note << "\"\"\"\n"
      << "import ctypes\nimport threading\nfrom typing import Any, Optional\n\n"
      << "from ._exports import LIST_FUNCTIONS as LIST_FUNCTIONS, POOL_FUNCTIONS as POOL_FUNCTIONS\n\n"
      << "TEXT_CAPACITY: int\nLIBRARY_VARIABLE: str\n\n\n"
      << "class Library(ctypes.CDLL):\n"
      << "    \"\"\"The loaded library with every export declared, each called under ``lock``.\"\"\"\n\n"
      << "    lock: threading.RLock\n"
      << "    #: The same exports without the lock, for a caller that holds it.\n"
      << "    unlocked: Any\n\n";
  for (const auto& f : docs.pool) stub_method(pyi, f.name, f.result, f.parameters, f.description);
  for (const auto& f : docs.lists) stub_method(pyi, "py_" + f.name, "bool", f.parameters, f.description);
  pyi << "\n\ndef load(path: Optional[str] = ..., default: Optional[str] = ...) -> Library: ...\n"
      << "def encode(value: \"str | bytes | None\") -> bytes: ...\n"
      << "def decode(raw: bytes) -> str: ...\n"
      << "def text_buffer() -> ctypes.Array[ctypes.c_char]: ...\n";
  return {"python/kv_cobalt/_native.pyi", pyi.str()};
}

}  // namespace kv_docs
