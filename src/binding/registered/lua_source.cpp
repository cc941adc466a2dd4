#include "binding/registered/lua_source.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace lua_source {

void put_text(std::string& out, std::string_view text) {
  text = text.substr(0, text.find('\0'));
  out += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte == 0x7f) {
      // Three digits always, so that a digit after it is not taken in.
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\%03u", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  out += '"';
}

void put_number(std::string& out, double value) {
  if (std::isnan(value)) {
    out += "(0/0)";
    return;
  }
  if (std::isinf(value)) {
    out += value < 0 ? "-1e999" : "1e999";
    return;
  }
  char digits[32];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  const std::string_view written(digits, static_cast<std::size_t>(end - digits));
  out += written;
  if (written.find_first_of(".e") == std::string_view::npos) out += ".0";
}

void put_integer(std::string& out, long long value) {
  char digits[24];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, end);
}

list_writer::list_writer() : source_("return{") {}

void list_writer::text(std::string_view value) {
  put_text(source_, value);
  source_ += ',';
}

void list_writer::record(const kv_object::kv_List& value) {
  source_ += '{';
  value.each_field(*this);
  source_ += "},";
}

void list_writer::handles_only(const std::vector<void*>& handles) {
  handles_ = handles;
  whole_ = true;
}

std::string list_writer::finish() {
  if (whole_) return "return H";
  source_ += '}';
  return std::move(source_);
}

void list_writer::text(const char* key, const std::string& value) {
  source_ += key;
  source_ += '=';
  put_text(source_, value);
  source_ += ',';
}

void list_writer::number(const char* key, double value) {
  source_ += key;
  source_ += '=';
  put_number(source_, value);
  source_ += ',';
}

void list_writer::integer(const char* key, int value) {
  source_ += key;
  source_ += '=';
  put_integer(source_, value);
  source_ += ',';
}

void list_writer::handle(const char* key, void* value) {
  if (!value) return;  // no entry, as a nil field makes none
  handles_.push_back(value);
  source_ += key;
  source_ += "=H[";
  put_integer(source_, static_cast<long long>(handles_.size()));
  source_ += "],";
}

}  // namespace lua_source
