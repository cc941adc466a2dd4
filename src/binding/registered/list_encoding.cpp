#include "binding/registered/list_encoding.hpp"

#include <cstring>
#include <stdexcept>

namespace list_encoding {
namespace {

template <class T>
void append(std::string& out, T value) {
  char bytes[sizeof value];
  std::memcpy(bytes, &value, sizeof value);  // little-endian hosts only, as the readers' "<" says
  out.append(bytes, sizeof value);
}

// As lua_pushstring takes a text: up to its first NUL.
void append_text(std::string& out, std::string_view value) {
  value = value.substr(0, value.find('\0'));
  if (value.size() > UINT32_MAX) throw std::length_error("text too long for a list");
  append(out, static_cast<std::uint32_t>(value.size()));
  out.append(value);
}

}  // namespace

void list_encoder::text(std::string_view value) {
  row_shape_.push_back({nullptr, kind::text});
  append_text(rows_, value);
  end_row();
}

void list_encoder::handle(void* value) {
  row_shape_.push_back({nullptr, kind::handle});
  handle(nullptr, value);
  end_row();
}

void list_encoder::record(const kv_object::kv_List& value) {
  value.each_field(*this);
  end_row();
}

void list_encoder::text(const char* key, const std::string& value) {
  row_shape_.push_back({key, kind::text});
  append_text(rows_, value);
}

void list_encoder::number(const char* key, double value) {
  row_shape_.push_back({key, kind::number});
  append(rows_, value);
}

void list_encoder::integer(const char* key, int value) {
  row_shape_.push_back({key, kind::integer});
  append(rows_, static_cast<std::int32_t>(value));
}

// A null handle is H[0], which is nil: no entry, as a nil field makes none.
void list_encoder::handle(const char* key, void* value) {
  if (key) row_shape_.push_back({key, kind::handle});
  std::uint32_t position = 0;
  if (value) {
    handles_.push_back(value);
    position = static_cast<std::uint32_t>(handles_.size());
  }
  append(rows_, position);
}

// A row unlike the first would need a reader of its own; no builder makes one.
void list_encoder::end_row() {
  if (first_row_) {
    shape_ = row_shape_;
    first_row_ = false;
  } else if (row_shape_ != shape_) {
    throw std::logic_error("the rows of a list differ in their fields");
  }
  row_shape_.clear();
}

// function(s, p) local v1, v2, n = u("<dI4", s, p) return {Key1=v1, Key2=H[v2]}, n end
std::string list_encoder::reader() const {
  std::string format = "<", values, built;
  for (std::size_t i = 0; i < shape_.size(); ++i) {
    const field& f = shape_[i];
    const std::string name = "v" + std::to_string(i + 1);
    format += f.type == kind::number ? "d" : f.type == kind::integer ? "i4" : f.type == kind::text ? "s4" : "I4";
    values += name + ",";
    const std::string value = f.type == kind::handle ? "H[" + name + "]" : name;
    built += f.key ? std::string(f.key) + "=" + value + "," : value;
  }
  if (shape_.empty() || shape_.front().key) built = "{" + built + "}";
  return "function(s,p) local " + values + "n=u(\"" + format + "\",s,p) return " + built + ",n end";
}

std::string list_encoder::finish() {
  const std::string chunk = "local u,H=... return " + reader();
  std::string bytes;
  bytes.reserve(4 + chunk.size() + rows_.size());
  append(bytes, static_cast<std::uint32_t>(chunk.size()));
  bytes += chunk;
  bytes += rows_;
  rows_ = {};
  return bytes;
}

std::string escape(std::string_view bytes) {
  std::string escaped;
  escaped.reserve(bytes.size() + bytes.size() / 16);
  for (const char c : bytes) {
    if (c == '\0' || c == '\1') {
      escaped += '\1';
      escaped += c == '\0' ? '\2' : '\1';
    } else {
      escaped += c;
    }
  }
  return escaped;
}

}  // namespace list_encoding
