#include "text_forms.hpp"

#include <cctype>
#include <fstream>
#include <sstream>

namespace kv_docs {

std::string html_escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string html_text(const std::string& markdown) {
  std::string out;
  std::string::size_type at = 0;
  for (std::string::size_type open, close; (open = markdown.find('`', at)) != std::string::npos &&
                                           (close = markdown.find('`', open + 1)) != std::string::npos;
       at = close + 1)
    out += html_escaped(markdown.substr(at, open - at)) + "<code>" +
           html_escaped(markdown.substr(open + 1, close - open - 1)) + "</code>";
  return out + html_escaped(markdown.substr(at));
}

std::string anchor(const std::string& name) {
  std::string out;
  for (char c : name) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string lua_type(const std::string& c_type) {
  if (c_type == "bool" || c_type == "bool*") return "boolean";
  if (c_type == "int" || c_type == "int*") return "integer";
  if (c_type == "double" || c_type == "double*") return "number";
  if (c_type == "const char*" || c_type == "char*") return "string";
  if (c_type == "const char**") return "string|nil";
  if (c_type == "void*") return "lightuserdata|nil";
  // A host handle: a light userdata, nil for none (a nil project is the current one).
  return c_type.substr(0, c_type.find('*')) + "|nil";
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace kv_docs
